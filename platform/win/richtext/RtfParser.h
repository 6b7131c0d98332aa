#pragma once

#include "platform/win/richtext/RtfCodePages.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QString>
#include <QTextCursor>
#include <cstddef>
#include <optional>
#include <vector>

class QTextCharFormat;
class QTextDocument;

// The rich-text reader's inside: one pass over the bytes that keeps a stack of
// group states and writes the text into the document as it goes. The syntax
// (groups, control words and symbols) is read in RtfReader.cpp, the control
// words in RtfControlWords.cpp, the text and its formats in RtfTextOutput.cpp.
namespace velox::win::rtf {

inline constexpr int defaultHalfPoints = 24;   // 12 point
inline constexpr int largestHalfPoints = 3276; // 1638 point, the largest size a rich-text box takes
inline constexpr int largestFallback = 16;     // \ucN beyond this is damage, not a fallback
inline constexpr std::size_t deepestGroup = 1000;
inline constexpr int longestWord = 32;

enum class Destination {
    Text,       // document text
    Skip,       // read for its braces only
    FontTable,  // \fonttbl
    ColorTable, // \colortbl
};

// What a group inherits from its parent and gets back when it closes.
struct GroupState {
    Destination destination = Destination::Text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int font = -1;
    int halfPoints = defaultHalfPoints;
    int color = 0; // index into the colour table; 0 is the automatic colour
    int fallbackLength = 1;
    Qt::Alignment alignment = Qt::AlignLeft;
    int fontEntry = -1; // inside the font table: the entry being read
    int fontEntryCharset = -1;
};

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's
};

class Parser {
public:
    Parser(QByteArrayView rtf, QTextDocument& document);

    void run();

private:
    GroupState& state() { return stack_.back(); }

    // groups, control words and symbols
    void openGroup();
    void closeGroup();
    void controlSequence();
    void hexByte();
    void controlWord();

    // the control words of each destination
    void textWord(QByteArrayView word, std::optional<int> parameter);
    bool formatWord(QByteArrayView word, std::optional<int> parameter);
    bool documentWord(QByteArrayView word, int value);
    template <class T> void setFormat(T GroupState::*field, T value) {
        if (state().*field != value) {
            flush();
            state().*field = value;
        }
    }
    void fontTableWord(QByteArrayView word, std::optional<int> parameter);
    void finishFontEntry();
    void colorTableWord(QByteArrayView word, std::optional<int> parameter);

    // text
    bool consumeFallback();
    void textByte(unsigned char byte);
    void character(QChar c);
    void unicodeCharacter(int value);
    void paragraph();
    [[nodiscard]] int currentCodePage() const;
    void decodePendingBytes();
    [[nodiscard]] QTextCharFormat charFormat() const;
    void insertParagraphs(int count);
    void flush();

    QByteArrayView input_;
    qsizetype pos_ = 0;
    QTextDocument& document_;
    QTextCursor cursor_;
    std::vector<GroupState> stack_{GroupState{}};
    std::size_t groupsTooDeep_ = 0;
    int codePage_ = defaultCodePage;
    int defaultFont_ = -1;
    QHash<int, FontEntry> fonts_;
    std::vector<std::optional<QColor>> colors_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool colorSet_ = false;
    int fallbackToSkip_ = 0;
    int pendingParagraphs_ = 0;
    QByteArray pendingBytes_;
    QString pendingText_;
};

} // namespace velox::win::rtf
