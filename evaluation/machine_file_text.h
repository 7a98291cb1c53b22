#pragma once

// The text of a machine file as the layout guess and the reader see it:
// UTF-16 turned into UTF-8, so that numbers can be read byte by byte, and
// lines decoded for showing in the file's own encoding.
#include "machine_file_layout.h"

#include <QByteArray>
#include <QString>
#include <string_view>

namespace evaluation::detail {

// The encoding by the byte-order mark, by the zero bytes of UTF-16 text, else
// UTF-8 where the bytes are valid UTF-8, else Latin-1 (as older Windows
// programs write).
TextEncoding detectEncoding(const QByteArray& bytes);

// The bytes as 8-bit text (UTF-16 converted to UTF-8, a UTF-8 byte-order mark
// dropped); `bytes` itself where nothing needs to change.
QByteArray eightBitText(const QByteArray& bytes, TextEncoding encoding);

QString decodeLine(std::string_view line, TextEncoding encoding);

// Calls line(number, text) for every line (from 1, without its line break)
// until it returns false.
template <class Line>
void forEachLine(std::string_view text, Line&& line)
{
    int number = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view l = text.substr(start, end - start);
        if (!l.empty() && l.back() == '\r')
            l.remove_suffix(1);
        if (!line(++number, l))
            return;
        start = end + 1;
    }
}

bool isBlankLine(std::string_view line);

}
