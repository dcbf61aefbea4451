"""The users the local music list service knows: a few sample users with playable songs and
users whose replies exercise the program's failure handling. README.md lists them."""

import functools

from feeds import Song, encode, music_list

SLOW_SECONDS = 3.0
# A trickling reply sends one byte this often; it ends when the whole reply is out or the
# client has gone.
TRICKLE_SECONDS = 1.0


class Reply:
    def __init__(self, body=b"", status=200, encoding="GB2312", delay=0.0, cut_at=None,
                 trickle=0.0):
        self.body = body
        self.status = status
        self.content_type = "text/xml; charset=%s" % encoding
        self.delay = delay
        # When set, the connection is closed after this many body bytes although the headers
        # announce the whole body.
        self.cut_at = cut_at
        # When set, the body goes out one byte at a time, this many seconds apart.
        self.trickle = trickle


def song_address(base, name):
    return "%s/songs/%s.wav" % (base, name)


def sample_songs(base):
    return [
        Song(song_address(base, "morning_birds"), "清晨的鸟鸣", "林小雨"),
        Song(song_address(base, "dont-stop"), "Don't Stop", "The Quavers"),
        Song(song_address(base, "night_song-2"), "夜曲 二号", "张 三"),
        Song(song_address(base, "river_100%"), "河流 100%", "王五"),
        Song(song_address(base, "spring.wind"), "春风.十里", "赵_六"),
        Song(song_address(base, "blue-sky"), "蓝色天空", "Sky-Band"),
        Song(song_address(base, "old_street"), "老街", "陈七"),
        Song(song_address(base, "rain"), "雨后", "The Quavers"),
    ]


def encoded(songs, encoding):
    return Reply(encode(music_list(songs, encoding), encoding), encoding=encoding)


def many_songs(base, count):
    return Reply(many_songs_body(base, count))


@functools.lru_cache(maxsize=4)
def many_songs_body(base, count):
    songs = [Song(song_address(base, "song_%05d" % n), "第%d首歌" % (n + 1), "歌手%d" % (n % 97))
             for n in range(count)]
    return encode(music_list(songs, "GB2312"), "GB2312")


# Decoding of every reference: addresses decode ":" "." "_" "-" "%" and keep " " "'" "/";
# names decode all seven and keep "/". Texts are given exactly as the service sends them.
DECODING_SONG = Song(
    "http&#58;//127&#46;0&#46;0&#46;1/songs/a&#95;b&#45;c&#37;41&#32;d&#39;e&#47;f&#46;wav;",
    "Don&#39;t&#32;Stop&#58;&#46;&#95;&#45;&#37;&#47;",
    "A&#32;B&#39;C&#47;D",
    raw=True)

EXTERNAL_ENTITY_DTD = ("<!DOCTYPE qqmusic [\n"
                       "  <!ENTITY secret SYSTEM \"file:///C:/windows/win.ini\">\n"
                       "]>\n")
INTERNAL_ENTITY_DTD = ("<!DOCTYPE qqmusic [\n"
                       "  <!ENTITY a \"http&#38;#58;//127.0.0.1/songs/dtd.wav;\">\n"
                       "]>\n")
EXTERNAL_SUBSET_DTD = "<!DOCTYPE qqmusic SYSTEM \"file:///C:/windows/win.ini\">\n"


def entity_reply(dtd, url_text):
    text = music_list([Song("PLACEHOLDER", "DTD", "DTD")], before=dtd)
    text = text.replace("PLACEHOLDER;", url_text)
    return Reply(encode(text, "GB2312"))


def reply_for(number, base):
    """The reply for a QQ number (the UIN as sent, surrounding blanks dropped)."""
    samples = {
        "10000": lambda: encoded(sample_songs(base)[:1], "GB2312"),
        "12345": lambda: encoded(sample_songs(base), "GB2312"),
        "23456": lambda: encoded(sample_songs(base)[2:5], "GB2312"),
        "20000": lambda: encoded([Song(song_address(base, "gbk"), "朱镕基的镕", "GBK歌手")], "GBK"),
        "30000": lambda: encoded([Song(song_address(base, "utf8"), "UTF-8 歌曲 ✓", "歌手")],
                                 "UTF-8"),
        "40000": lambda: encoded([Song(song_address(base, "gb18030"), "吉祥的𠮷", "GB18030")],
                                 "GB18030"),
        "9999999999": lambda: encoded(sample_songs(base)[6:7], "GB2312"),
        "50000": lambda: encoded([sample_songs(base)[7],
                                  Song(base + "/expired/old_song.mp3", "过期的歌", "无名氏")],
                                 "GB2312"),
    }
    faults = {
        "60001": lambda: encoded([], "GB2312"),
        "60002": lambda: Reply(b"<?xml version=\"1.0\"?><qqmusic><minemusiclist><minemusic>"
                               b"<xsong_url>x</xsong_name></minemusic></qqmusic>"),
        "60003": lambda: encoded([
            Song(song_address(base, "a"), "title A", "singer A"),
            Song(song_address(base, "b"), None, "singer B"),
            Song(song_address(base, "c"), "title C", None),
            Song(None, "title D", "singer D"),
        ], "GB2312"),
        "60004": lambda: Reply(encode(music_list(
            [Song(song_address(base, "on_path_1"), "one", "first"),
             Song(song_address(base, "on_path_2"), "two", "second")],
            after="<recommend><xsong_url>http&amp;#58;//127&amp;#46;0&amp;#46;0&amp;#46;1/"
                  "recommended;</xsong_url></recommend>"
                  "<other><xsong_url>http&amp;#58;//127&amp;#46;0&amp;#46;0&amp;#46;1/"
                  "elsewhere;</xsong_url></other>"), "GB2312")),
        "60005": lambda: slow(encoded(sample_songs(base)[:2], "GB2312")),
        "60006": lambda: cut(encoded(sample_songs(base), "GB2312")),
        "60007": lambda: error_status(encoded(sample_songs(base), "GB2312")),
        "60008": lambda: many_songs(base, 40000),
        "60009": lambda: many_songs(base, 32767),
        "60010": lambda: entity_reply(EXTERNAL_ENTITY_DTD, "&secret;"),
        "60011": lambda: entity_reply(INTERNAL_ENTITY_DTD, "&a;"),
        "60012": lambda: entity_reply(EXTERNAL_SUBSET_DTD, "http&amp;#58;//127.0.0.1/x.wav;"),
        "60013": lambda: Reply(encode(music_list(
            [], after="<hot><minemusic><xsong_url>http&amp;#58;//127.0.0.1/hot;</xsong_url>"
                      "<xsong_name>hot</xsong_name><xsinger_name>hot</xsinger_name>"
                      "</minemusic></hot>"), "GB2312")),
        "60014": lambda: encoded([DECODING_SONG], "GB2312"),
        "60015": lambda: Reply(b"<?xml version=\"1.0\" encoding=\"X-UNKNOWN-42\"?><qqmusic/>"),
        "60016": lambda: Reply(b""),
        "60017": lambda: trickling(encoded(sample_songs(base)[:1], "GB2312")),
        "60018": lambda: encoded([Song("\\\\127.0.0.1\\music\\share.wav", "共享文件夹", "路径"),
                                  Song("file:///C:/windows/win.ini", "本地文件", "路径")],
                                 "GB2312"),
    }
    make = samples.get(number) or faults.get(number)
    if make is None:
        # Anyone else: a user without songs, as the service answers for an unknown number.
        make = faults["60001"]
    return make()


def slow(reply):
    reply.delay = SLOW_SECONDS
    return reply


def trickling(reply):
    reply.trickle = TRICKLE_SECONDS
    return reply


def cut(reply):
    # The first part of the reply is a whole document followed by blanks: only the announced
    # length tells that the rest is missing.
    reply.body = reply.body + b"\n" * 4096
    reply.cut_at = len(reply.body) - 2048
    return reply


def error_status(reply):
    reply.status = 500
    return reply
