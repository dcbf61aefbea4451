// Times a query of 32,767 songs from the local music list service, from the press of Enter in
// the number box to every row shown, against the bare load of the same reply by the XML
// document object in the same run. Prints the median of several rounds of each, and the
// stages of the query timed one by one.
//
// Usage: quavlet_query_bench.exe [QQ number, default 60009] [rounds, default 5]
// The service must be running (tools/query-bench/run.sh starts it).

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "app/Form1.h"
#include "musiclist/FeedDecoding.h"
#include "musiclist/HttpFetch.h"
#include "musiclist/MusicRequest.h"
#include "musiclist/SongLists.h"
#include "musiclist/SongRows.h"
#include "musiclist/XmlDocument.h"
#include "runtime/Application.h"

namespace quavlet {
namespace {

class OleApartment {
 public:
  OleApartment() { OleInitialize(nullptr); }
  ~OleApartment() { OleUninitialize(); }
  OleApartment(const OleApartment&) = delete;
  OleApartment& operator=(const OleApartment&) = delete;
};

double NowMilliseconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double TimeOf(const std::function<void()>& work) {
  const double start = NowMilliseconds();
  work();
  return NowMilliseconds() - start;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void DispatchPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::wstring Host() {
  wchar_t value[256];
  const DWORD length = GetEnvironmentVariableW(musiclist::kMusicHostVariable.data(), value, 256);
  return musiclist::MusicServiceHost(length > 0 && length < 256 ? value : nullptr);
}

// Enter in the number box, then the messages that follow it until the rows are drawn.
double TimeQuery(Form1& form, const std::wstring& number, int& rowsShown) {
  form.QQ.SetText(number);
  DispatchPending();
  const HWND view = form.ListView1.hWnd();
  const double time = TimeOf([&] {
    SendMessageW(form.QQ.hWnd(), WM_CHAR, 13, 1);
    // The reply is loaded off the window's thread; its end comes as a message.
    while (form.QueryInFlight()) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
      DispatchPending();
    }
    DispatchPending();
    UpdateWindow(view);
  });
  rowsShown = static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
  return time;
}

// The load alone, by a document object that holds the previous reply, as the program's does.
double TimeBareLoad(musiclist::XmlDocument& document, const std::wstring& address) {
  document.SetAsync(false);
  document.SetValidateOnParse(false);
  return TimeOf([&] { document.Load(address); });
}

void PrintStages(Form1& form, const std::wstring& address) {
  auto document = musiclist::XmlDocument::Create();
  std::optional<std::string> bytes;
  std::printf("Stages of one query, timed one by one:\n");
  std::printf("  empty the view, headers    %8.1f ms\n", TimeOf([&] {
    form.ListView1.ListItems().Clear();
    form.ListView1.ColumnHeaders().Clear();
    const auto widths = musiclist::SongColumnWidths(static_cast<float>(form.ListView1.Width()));
    for (const wchar_t* caption : {L"编号", L"歌曲", L"歌手", L"地址"}) {
      form.ListView1.ColumnHeaders().Add(caption, widths[form.ListView1.ColumnHeaders().Count()]);
    }
  }));
  std::printf("  fetch                      %8.1f ms\n", TimeOf([&] { bytes = musiclist::FetchHttp(address); }));
  std::printf("  decode, check, parse, index%8.1f ms\n", TimeOf([&] { document->LoadReply(*bytes); }));
  musiclist::XmlNodeList nodes;
  std::printf("  path gate                  %8.1f ms\n", TimeOf([&] {
    document->SelectNodes(L"/qqmusic/minemusiclist/minemusic/xsong_url").Length();
  }));
  std::printf("  elements by name           %8.1f ms\n",
              TimeOf([&] { nodes = document->GetElementsByTagName(L"xsong_url"); }));
  std::printf("  read and decode texts      %8.1f ms\n", TimeOf([&] {
    std::wstring decoded;
    nodes.VisitTexts(nodes.Length(),
                     [&](std::wstring_view text) { musiclist::AppendDecodedAddress(text, decoded); });
  }));
  form.songAddresses.Clear();
  std::printf("  fill one song list         %8.1f ms\n",
              TimeOf([&] { form.songAddresses.AppendDecodedTexts(nodes, musiclist::AppendDecodedAddress); }));
  form.ListView1.ListItems().Clear();
  std::printf("  fillList                   %8.1f ms\n", TimeOf([&] { form.fillList(); }));
  std::printf("  draw the rows              %8.1f ms\n", TimeOf([&] {
    DispatchPending();
    UpdateWindow(form.ListView1.hWnd());
  }));
}

int Run(int argc, wchar_t** argv) {
  const std::wstring number = argc > 1 ? argv[1] : L"60009";
  const int rounds = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
  const std::wstring address = musiclist::BuildRequestAddress(Host(), number);

  OleApartment apartment;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  runtime::Application application(GetModuleHandleW(nullptr));
  Form1& form = application.Show<Form1>();
  DispatchPending();

  // One round of each first, so the service has made the reply and both hold a document.
  int rows = 0;
  const auto bareDocument = musiclist::XmlDocument::Create();
  TimeQuery(form, number, rows);
  TimeBareLoad(*bareDocument, address);

  std::vector<double> queries, loads;
  for (int round = 0; round < rounds; ++round) {
    queries.push_back(TimeQuery(form, number, rows));
    loads.push_back(TimeBareLoad(*bareDocument, address));
  }
  const double query = Median(queries);
  const double load = Median(loads);
  std::printf("Query of QQ %ls: %d rows shown\n", number.c_str(), rows);
  std::printf("Enter to every row shown: %8.1f ms (median of %d)\n", query, rounds);
  std::printf("Bare load of the reply:   %8.1f ms (median of %d)\n", load, rounds);
  std::printf("Ratio: %.2f (the program's own work adds %.0f%% to the load)\n", query / load,
              (query / load - 1.0) * 100.0);
  PrintStages(form, address);

  form.Unload();
  return 0;
}

}  // namespace
}  // namespace quavlet

int wmain(int argc, wchar_t** argv) { return quavlet::Run(argc, argv); }
