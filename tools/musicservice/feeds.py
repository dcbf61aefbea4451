"""Music list replies written the way the QQ Zone music list service writes them.

The service leaves some characters of its texts as numeric character references and then
escapes the ampersand for XML, so that the reference survives the parse as plain text:
"http://a.b" is sent as "http&amp;#58;//a&amp;#46;b". Every address ends with one separator
character (";") that is not part of the address.
"""

from xml.sax.saxutils import escape

# Characters the service writes as references.
REFERENCES = {":": "&#58;", ".": "&#46;", "_": "&#95;", "-": "&#45;", "%": "&#37;",
              " ": "&#32;", "'": "&#39;"}


def as_service_text(text):
    """Writes the service's references into a plain text (before XML escaping)."""
    return "".join(REFERENCES.get(c, c) for c in text)


class Song:
    """One song; an element given as None is left out of its <minemusic>.

    Texts are written with the service's references unless given raw (already referenced).
    """

    def __init__(self, url, name, singer, raw=False):
        self.url, self.name, self.singer, self.raw = url, name, singer, raw

    def elements(self):
        parts = []
        for tag, value in (("xsong_url", self.url), ("xsong_name", self.name),
                           ("xsinger_name", self.singer)):
            if value is None:
                continue
            if tag == "xsong_url" and not self.raw:
                value += ";"
            text = value if self.raw else as_service_text(value)
            parts.append("<%s>%s</%s>" % (tag, escape(text), tag))
        return "".join(parts)


def music_list(songs, encoding="GB2312", before="", after=""):
    """The whole reply text: declaration, then qqmusic > minemusiclist > minemusic*."""
    body = ["<?xml version=\"1.0\" encoding=\"%s\"?>\n" % encoding, before, "<qqmusic>",
            "<uin_info><total>%d</total></uin_info>" % len(songs), "<minemusiclist>"]
    for song in songs:
        body.append("<minemusic><xsong_id>0</xsong_id>%s<xsong_type>1</xsong_type></minemusic>\n"
                    % song.elements())
    body.append("</minemusiclist>")
    body.append(after)
    body.append("</qqmusic>\n")
    return "".join(body)


def encode(text, encoding):
    codec = {"GB2312": "gb2312", "GBK": "gbk", "GB18030": "gb18030", "UTF-8": "utf-8"}
    return text.encode(codec.get(encoding.upper(), encoding))
