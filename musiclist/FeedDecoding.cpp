#include "musiclist/FeedDecoding.h"

#include <span>

namespace quavlet::musiclist {
namespace {

struct Reference {
  std::wstring_view written;
  wchar_t decoded;
};

// Address references first; names also take the last two.
constexpr Reference kReferences[] = {
    {L"&#58;", L':'}, {L"&#46;", L'.'}, {L"&#95;", L'_'}, {L"&#45;", L'-'},
    {L"&#37;", L'%'}, {L"&#32;", L' '}, {L"&#39;", L'\''},
};
constexpr size_t kAddressReferenceCount = 5;

// One left-to-right pass. Replacing each reference in turn gives the same text: no decoded
// character is an ampersand, number sign, digit or semicolon, so none can form or break a
// reference, and two references never overlap.
void Decode(std::wstring_view text, std::span<const Reference> references, std::wstring& decoded) {
  size_t position = 0;
  while (position < text.size()) {
    const size_t ampersand = text.find(L'&', position);
    if (ampersand == std::wstring_view::npos) {
      decoded.append(text.substr(position));
      break;
    }
    decoded.append(text.substr(position, ampersand - position));
    position = ampersand;
    const std::wstring_view rest = text.substr(position);
    const Reference* match = nullptr;
    for (const Reference& reference : references) {
      if (rest.starts_with(reference.written)) {
        match = &reference;
        break;
      }
    }
    if (match) {
      decoded += match->decoded;
      position += match->written.size();
    } else {
      decoded += L'&';
      ++position;
    }
  }
}

}  // namespace

void AppendDecodedAddress(std::wstring_view text, std::wstring& out) {
  Decode(text, std::span(kReferences).first(kAddressReferenceCount), out);
}

void AppendDecodedName(std::wstring_view text, std::wstring& out) {
  Decode(text, kReferences, out);
}

std::wstring DecodeAddress(std::wstring_view text) {
  std::wstring decoded;
  AppendDecodedAddress(text, decoded);
  return decoded;
}

std::wstring DecodeName(std::wstring_view text) {
  std::wstring decoded;
  AppendDecodedName(text, decoded);
  return decoded;
}

}  // namespace quavlet::musiclist
