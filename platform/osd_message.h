#pragma once
#include <QByteArray>
#include <QMetaType>
#include <QString>

// The notice block the program sends to the on-screen-display companion: 1044 bytes,
// little-endian.
//
//   offset  size  field
//        0   512  text, UTF-16, zero-terminated, at most 255 code units
//      512     4  first (always 0)
//      516     4  display time in milliseconds (1500)
//      520     4  third (always 0)
//      524     4  colour, red + green * 256 + blue * 65536
//      528     4  text height in pixels at 96 DPI (60)
//      532   512  font name, UTF-16, zero-terminated ("Arial")

constexpr int kOsdMessageSize = 1044;
constexpr int kOsdTextUnits = 256; // including the terminator
constexpr int kOsdTextLimit = kOsdTextUnits - 1;

// The companion's window title; its socket name derives from it.
inline QString osdWindowTitle() { return QStringLiteral("TRVX Wireless Mouse OSD"); }

struct OsdMessage {
    QString text;
    qint32 first = 0;
    qint32 durationMs = 1500;
    qint32 third = 0;
    quint32 colour = 0; // 0x00BBGGRR
    qint32 textPixels = 60;
    QString fontName = QStringLiteral("Arial");
};

Q_DECLARE_METATYPE(OsdMessage)

// The colour field for red, green and blue (0..255 each).
quint32 osdColour(int red, int green, int blue);

// The 1044-byte block. Texts longer than 255 code units are cut, never inside a surrogate pair.
QByteArray encodeOsdMessage(const OsdMessage &message);

struct OsdParseResult {
    bool ok = false;
    OsdMessage message;
    QString error; // why the block was refused, for the trace
};

// Reads a block from an untrusted peer. Refuses a wrong size, a text or font name without its
// terminator or with a broken surrogate pair, a colour with bits above blue, and display times
// or text heights no notice could mean.
OsdParseResult parseOsdMessage(const QByteArray &block);

// The bounds the parser accepts.
constexpr qint32 kOsdMaxDurationMs = 60000;
constexpr qint32 kOsdMinTextPixels = 6;
constexpr qint32 kOsdMaxTextPixels = 400;
