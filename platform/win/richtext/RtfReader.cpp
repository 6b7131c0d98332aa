#include "platform/win/richtext/RtfReader.h"

#include "platform/com/Ansi.h"

#include <QColor>
#include <QHash>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace velox::win {
namespace {

constexpr int defaultCodePage = 1252;
constexpr int defaultHalfPoints = 24;   // 12 point
constexpr int largestHalfPoints = 3276; // 1638 point, the largest size a rich-text box takes
constexpr int largestFallback = 16;     // \ucN beyond this is damage, not a fallback
constexpr std::size_t deepestGroup = 1000;
constexpr int longestWord = 32;

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

// Windows charset numbers (\fcharsetN) and their code pages.
int codePageOfCharset(int charset) {
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0; // ANSI, default and symbol charsets: the document's code page
    }
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Text without unpaired surrogates, which a \uN pair cut in half would leave.
QString withPairedSurrogates(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

class Reader {
public:
    Reader(QByteArrayView rtf, QTextDocument& document)
        : input_(rtf), document_(document), cursor_(&document) {}

    void run() {
        document_.clear();
        cursor_ = QTextCursor(&document_);
        // One edit block: the document is laid out once, when reading ends.
        cursor_.beginEditBlock();
        while (pos_ < input_.size()) {
            const char c = input_[pos_++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break;
            case '\t':
                character(QChar(u'\t'));
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) {
                    textByte(static_cast<unsigned char>(c));
                }
                break;
            }
        }
        if (state().destination == Destination::FontTable) {
            finishFontEntry();
        }
        flush();
        // The last paragraph mark ends the document's last paragraph.
        insertParagraphs(pendingParagraphs_ - 1);
        cursor_.endEditBlock();
    }

private:
    GroupState& state() { return stack_.back(); }

    // --- groups ---

    void openGroup() {
        flush();
        fallbackToSkip_ = 0;
        if (stack_.size() >= deepestGroup) {
            ++groupsTooDeep_;
            return;
        }
        stack_.push_back(stack_.back());
    }

    void closeGroup() {
        flush();
        fallbackToSkip_ = 0;
        if (groupsTooDeep_ > 0) {
            --groupsTooDeep_;
            return;
        }
        if (state().destination == Destination::FontTable) {
            finishFontEntry();
        }
        if (stack_.size() > 1) {
            stack_.pop_back();
        }
    }

    // --- control words and symbols ---

    void controlSequence() {
        if (pos_ >= input_.size()) {
            return;
        }
        const char c = input_[pos_];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++pos_;
        switch (c) {
        case '\'':
            hexByte();
            break;
        case '\\':
        case '{':
        case '}':
            textByte(static_cast<unsigned char>(c));
            break;
        case '*':
            if (consumeFallback()) {
                break;
            }
            flush();
            state().destination = Destination::Skip;
            break;
        case '~':
            character(QChar(0x00A0));
            break;
        case '_':
            character(QChar(0x2011));
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        case '\t':
            character(QChar(u'\t'));
            break;
        default: // "\-" optional hyphen, "\|", "\:" and unknown symbols
            consumeFallback();
            break;
        }
    }

    void hexByte() {
        if (pos_ + 1 < input_.size()) {
            const int high = hexValue(input_[pos_]);
            const int low = hexValue(input_[pos_ + 1]);
            if (high >= 0 && low >= 0) {
                pos_ += 2;
                textByte(static_cast<unsigned char>(high * 16 + low));
                return;
            }
        }
        // A truncated or malformed escape is dropped; what follows stays text.
    }

    void controlWord() {
        const qsizetype start = pos_;
        while (pos_ < input_.size() && isLetter(input_[pos_])) {
            ++pos_;
        }
        const QByteArrayView word = input_.sliced(start, pos_ - start);
        std::optional<int> parameter;
        const bool negative =
            pos_ + 1 < input_.size() && input_[pos_] == '-' && isDigit(input_[pos_ + 1]);
        if (negative) {
            ++pos_;
        }
        if (pos_ < input_.size() && isDigit(input_[pos_])) {
            qint64 value = 0;
            while (pos_ < input_.size() && isDigit(input_[pos_])) {
                value = std::min<qint64>(value * 10 + (input_[pos_] - '0'), 1LL << 32);
                ++pos_;
            }
            value = negative ? -value : value;
            parameter = static_cast<int>(std::clamp<qint64>(value, INT_MIN, INT_MAX));
        }
        if (pos_ < input_.size() && input_[pos_] == ' ') {
            ++pos_;
        }
        if (word.size() > longestWord) {
            consumeFallback();
            return;
        }
        if (word == "bin") {
            // Binary data: its bytes are no text, whatever the destination.
            pos_ += std::min<qsizetype>(std::max(parameter.value_or(0), 0), input_.size() - pos_);
            return;
        }
        if (consumeFallback()) {
            return;
        }
        switch (state().destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            fontTableWord(word, parameter);
            return;
        case Destination::ColorTable:
            colorTableWord(word, parameter);
            return;
        case Destination::Text:
            textWord(word, parameter);
            return;
        }
    }

    void textWord(QByteArrayView word, std::optional<int> parameter) {
        const bool on = parameter.value_or(1) != 0;
        const int value = parameter.value_or(0);
        if (word == "par" || word == "sect" || word == "page") {
            paragraph();
        } else if (word == "line") {
            character(QChar(QChar::LineSeparator));
        } else if (word == "tab") {
            character(QChar(u'\t'));
        } else if (word == "u") {
            if (parameter) {
                unicodeCharacter(value);
            }
        } else if (word == "uc") {
            state().fallbackLength = std::clamp(value, 0, largestFallback);
        } else if (word == "b") {
            setFormat(&GroupState::bold, on);
        } else if (word == "i") {
            setFormat(&GroupState::italic, on);
        } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" ||
                   word == "uldash" || word == "ulth" || word == "ulwave") {
            setFormat(&GroupState::underline, on);
        } else if (word == "ulnone") {
            setFormat(&GroupState::underline, false);
        } else if (word == "strike") {
            setFormat(&GroupState::strike, on);
        } else if (word == "v") {
            setFormat(&GroupState::hidden, on);
        } else if (word == "f") {
            setFormat(&GroupState::font, value);
        } else if (word == "fs") {
            if (value > 0) {
                setFormat(&GroupState::halfPoints, std::min(value, largestHalfPoints));
            }
        } else if (word == "cf") {
            setFormat(&GroupState::color, value);
        } else if (word == "plain") {
            flush();
            GroupState& s = state();
            s.bold = s.italic = s.underline = s.strike = s.hidden = false;
            s.font = defaultFont_;
            s.halfPoints = defaultHalfPoints;
            s.color = 0;
        } else if (word == "pard") {
            flush();
            state().alignment = Qt::AlignLeft;
        } else if (word == "ql") {
            setFormat(&GroupState::alignment, Qt::Alignment(Qt::AlignLeft));
        } else if (word == "qr") {
            setFormat(&GroupState::alignment, Qt::Alignment(Qt::AlignRight));
        } else if (word == "qc") {
            setFormat(&GroupState::alignment, Qt::Alignment(Qt::AlignHCenter));
        } else if (word == "qj") {
            setFormat(&GroupState::alignment, Qt::Alignment(Qt::AlignJustify));
        } else if (word == "ansi") {
            codePage_ = defaultCodePage;
        } else if (word == "mac") {
            codePage_ = 10000;
        } else if (word == "pc") {
            codePage_ = 437;
        } else if (word == "pca") {
            codePage_ = 850;
        } else if (word == "ansicpg") {
            if (value > 0 && value < 65536) {
                codePage_ = value;
            }
        } else if (word == "deff") {
            defaultFont_ = value;
            if (stack_.size() <= 2) {
                state().font = value;
            }
        } else if (word == "fonttbl") {
            flush();
            state().destination = Destination::FontTable;
        } else if (word == "colortbl") {
            flush();
            state().destination = Destination::ColorTable;
        } else if (isSkippedDestination(word)) {
            flush();
            state().destination = Destination::Skip;
        } else if (const QChar symbol = symbolOf(word); !symbol.isNull()) {
            character(symbol);
        }
    }

    static bool isSkippedDestination(QByteArrayView word) {
        static const char* const skipped[] = {
            "stylesheet",
            "info",
            "pict",
            "object",
            "header",
            "headerl",
            "headerr",
            "headerf",
            "footer",
            "footerl",
            "footerr",
            "footerf",
            "footnote",
            "fldinst",
            "xe",
            "tc",
            "txe",
            "listtable",
            "listoverridetable",
            "revtbl",
            "rsidtbl",
            "filetbl",
            "themedata",
            "colorschememapping",
            "latentstyles",
            "datastore",
            "xmlnstbl",
            "generator",
            "nonshppict",
            "shpinst",
            "template",
            "mmathPr",
            "pgdsctbl",
            "atnid",
            "atnauthor",
            "annotation",
            "bkmkstart",
            "bkmkend",
            "operator",
        };
        return std::any_of(std::begin(skipped), std::end(skipped),
                           [&](const char* name) { return word == name; });
    }

    static QChar symbolOf(QByteArrayView word) {
        static const std::pair<const char*, char16_t> symbols[] = {
            {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},
            {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
            {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0x200D},       {"zwnj", 0x200C},
            {"ltrmark", 0x200E}, {"rtlmark", 0x200F},
        };
        for (const auto& [name, code] : symbols) {
            if (word == name) {
                return QChar(code);
            }
        }
        return {};
    }

    template <class T> void setFormat(T GroupState::*field, T value) {
        if (state().*field != value) {
            flush();
            state().*field = value;
        }
    }

    void fontTableWord(QByteArrayView word, std::optional<int> parameter) {
        if (word == "f") {
            finishFontEntry();
            state().fontEntry = parameter.value_or(0);
            state().fontEntryCharset = -1;
        } else if (word == "fcharset") {
            state().fontEntryCharset = parameter.value_or(0);
        }
    }

    void finishFontEntry() {
        GroupState& s = state();
        if (s.fontEntry >= 0 && !fonts_.contains(s.fontEntry)) {
            FontEntry entry;
            entry.name = decode(pendingBytes_, codePage_).trimmed();
            entry.codePage = codePageOfCharset(s.fontEntryCharset);
            fonts_.insert(s.fontEntry, entry);
        }
        s.fontEntry = -1;
        pendingBytes_.clear();
    }

    void colorTableWord(QByteArrayView word, std::optional<int> parameter) {
        const int value = std::clamp(parameter.value_or(0), 0, 255);
        if (word == "red") {
            red_ = value;
        } else if (word == "green") {
            green_ = value;
        } else if (word == "blue") {
            blue_ = value;
        } else {
            return;
        }
        colorSet_ = true;
    }

    // --- text ---

    // Inside a \uN fallback, the next character or control word is part of the
    // fallback and is dropped.
    bool consumeFallback() {
        if (fallbackToSkip_ > 0) {
            --fallbackToSkip_;
            return true;
        }
        return false;
    }

    void textByte(unsigned char byte) {
        if (consumeFallback()) {
            return;
        }
        switch (state().destination) {
        case Destination::Text:
            pendingBytes_.append(static_cast<char>(byte));
            break;
        case Destination::FontTable:
            if (byte == ';') {
                finishFontEntry();
            } else {
                pendingBytes_.append(static_cast<char>(byte));
            }
            break;
        case Destination::ColorTable:
            if (byte == ';') {
                colors_.push_back(colorSet_ ? std::optional<QColor>(QColor(red_, green_, blue_))
                                            : std::nullopt);
                red_ = green_ = blue_ = 0;
                colorSet_ = false;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void character(QChar c) {
        if (consumeFallback() || state().destination != Destination::Text) {
            return;
        }
        decodePendingBytes();
        pendingText_.append(c);
    }

    void unicodeCharacter(int value) {
        if (value < 0) {
            value += 65536;
        }
        if (value > 0 && value < 65536) {
            character(QChar(static_cast<char16_t>(value)));
        }
        fallbackToSkip_ = state().fallbackLength;
    }

    void paragraph() {
        if (state().destination != Destination::Text) {
            return;
        }
        flush();
        ++pendingParagraphs_;
    }

    int currentCodePage() const {
        const auto font = fonts_.constFind(stack_.back().font);
        if (font != fonts_.cend() && font->codePage != 0) {
            return font->codePage;
        }
        return codePage_;
    }

    QString decode(const QByteArray& bytes, int codePage) {
        if (codePage == defaultCodePage || bytes.isEmpty()) {
            return velox::com::unicodeFromAnsi(bytes);
        }
        for (const QByteArray& name :
             {"windows-" + QByteArray::number(codePage), "cp" + QByteArray::number(codePage),
              "ibm-" + QByteArray::number(codePage)}) {
            QStringDecoder decoder(name.constData());
            if (decoder.isValid()) {
                return decoder.decode(bytes);
            }
        }
        return velox::com::unicodeFromAnsi(bytes);
    }

    void decodePendingBytes() {
        if (!pendingBytes_.isEmpty()) {
            pendingText_ += decode(pendingBytes_, currentCodePage());
            pendingBytes_.clear();
        }
    }

    QTextCharFormat charFormat() const {
        const GroupState& s = stack_.back();
        QTextCharFormat format;
        format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(s.italic);
        format.setFontUnderline(s.underline);
        format.setFontStrikeOut(s.strike);
        format.setFontPointSize(s.halfPoints / 2.0);
        if (const auto font = fonts_.constFind(s.font);
            font != fonts_.cend() && !font->name.isEmpty()) {
            format.setFontFamilies({font->name});
        }
        if (s.color > 0 && static_cast<std::size_t>(s.color) < colors_.size() &&
            colors_[static_cast<std::size_t>(s.color)]) {
            format.setForeground(*colors_[static_cast<std::size_t>(s.color)]);
        }
        return format;
    }

    void insertParagraphs(int count) {
        for (int i = 0; i < count; ++i) {
            QTextBlockFormat block;
            block.setAlignment(stack_.back().alignment);
            cursor_.insertBlock(block);
        }
        pendingParagraphs_ = 0;
    }

    // Writes the text collected so far into the document in the current format.
    void flush() {
        if (state().destination != Destination::Text) {
            return;
        }
        decodePendingBytes();
        if (pendingText_.isEmpty()) {
            return;
        }
        if (!state().hidden) {
            insertParagraphs(pendingParagraphs_);
            QTextBlockFormat block = cursor_.blockFormat();
            block.setAlignment(state().alignment);
            cursor_.setBlockFormat(block);
            cursor_.insertText(withPairedSurrogates(pendingText_), charFormat());
        }
        pendingText_.clear();
    }

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

} // namespace

void RtfReader::read(QByteArrayView rtf, QTextDocument& document) {
    Reader(rtf, document).run();
}

bool RtfReader::isRichText(QByteArrayView bytes) {
    return bytes.startsWith("{\\rtf");
}

} // namespace velox::win
