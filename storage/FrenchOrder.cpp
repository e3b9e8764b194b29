#include "storage/FrenchOrder.h"

#include "storage/SqliteValues.h"
#include "storage/Utf8.h"

#include <QChar>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <iterator>
#include <span>
#include <vector>

namespace storage
{

namespace
{

// A key is four parts, each ended by a zero byte, which sorts before any byte that follows in
// another key: the bases (the letters without accents and case, digits, punctuation), then the
// accents, the case forms and the ignored characters. The last three only list what differs from
// the plain text, each entry with its place: a text compared in them has the same bases as the
// other, so the places line up. A later place writes lower, so a text that has an accent where
// the other has none sorts after it. Every code below tells its length by its first byte, which
// is never zero, and codes compare as what they stand for.

enum class PieceKind : unsigned char { Base, Accent, Ignored };

// The case form of a base; a plain lower-case or uncased base adds nothing.
enum CaseForm : unsigned char { Plain = 0, Ligature = 1, Upper = 2 };

// What one character adds to the key: a base with its case form, an accent on the base before
// it, or an ignored character.
struct Piece {
    PieceKind kind;
    unsigned char caseForm;
    unsigned char size;
    std::array<char, 4> code;
};

// A code of one byte, or the lead byte followed by three bytes of the value.
Piece piece(PieceKind kind, unsigned char caseForm, unsigned char lead, char32_t value)
{
    return {kind,
            caseForm,
            4,
            {static_cast<char>(lead), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
             static_cast<char>(value)}};
}

Piece shortPiece(PieceKind kind, unsigned char caseForm, unsigned char code)
{
    return {kind, caseForm, 1, {static_cast<char>(code)}};
}

// Blanks and punctuation, then digits, then letters (by their case folding); the ASCII ones,
// which most texts are made of, in one byte.
Piece base(char32_t point, bool ligature)
{
    const unsigned char caseForm =
        (ligature ? Ligature : Plain) | (QChar::isUpper(point) || QChar::isTitleCase(point) ? Upper : Plain);
    if (QChar::isLetter(point)) {
        const char32_t folded = QChar::toCaseFolded(point);
        return folded >= 'a' && folded <= 'z' ? shortPiece(PieceKind::Base, caseForm, 0x8D + (folded - 'a'))
                                              : piece(PieceKind::Base, caseForm, 0xA7, folded);
    }
    if (QChar::isDigit(point))
        return point >= '0' && point <= '9' ? shortPiece(PieceKind::Base, caseForm, 0x82 + (point - '0'))
                                            : piece(PieceKind::Base, caseForm, 0x8C, point);
    return point < 0x80 ? shortPiece(PieceKind::Base, caseForm, 0x01 + point)
                        : piece(PieceKind::Base, caseForm, 0x81, point);
}

// The accents in the order of a French dictionary first; any other mark after them.
constexpr char32_t AccentRanks[] = {
    0x0301, // acute
    0x0300, // grave
    0x0306, // breve
    0x0302, // circumflex
    0x030C, // caron
    0x030A, // ring
    0x0308, // diaeresis
    0x030B, // double acute
    0x0303, // tilde
    0x0307, // dot above
    0x0327, // cedilla
    0x0328, // ogonek
    0x0304, // macron
};

Piece accent(char32_t mark)
{
    const auto *found = std::find(std::begin(AccentRanks), std::end(AccentRanks), mark);
    return found != std::end(AccentRanks)
               ? shortPiece(PieceKind::Accent, Plain,
                            static_cast<unsigned char>(found - std::begin(AccentRanks) + 1))
               : piece(PieceKind::Accent, Plain, 0xFF, mark);
}

// Apostrophes and hyphens: "l'aide" sorts with "laide", "porte-clés" with "porteclés".
constexpr char32_t IgnoredCharacters[] = {0x0027, 0x002D, 0x00AD, 0x2010, 0x2011, 0x2019};

Piece ignored(char32_t point)
{
    Piece code = base(point, false);
    code.kind = PieceKind::Ignored;
    return code;
}

// Letters that stand for two letters without a Unicode decomposition saying so.
struct LigatureLetters {
    char32_t ligature;
    char32_t first;
    char32_t second;
};
constexpr LigatureLetters Ligatures[] = {
    {0x00C6, 'A', 'E'}, {0x00E6, 'a', 'e'}, {0x0152, 'O', 'E'},
    {0x0153, 'o', 'e'}, {0x00DF, 's', 's'}, {0x1E9E, 'S', 'S'},
};

std::vector<Piece> describe(char32_t point)
{
    if (std::find(std::begin(IgnoredCharacters), std::end(IgnoredCharacters), point) !=
        std::end(IgnoredCharacters))
        return {ignored(point)};
    if (QChar::isMark(point))
        return {accent(point)};
    for (const LigatureLetters &letters : Ligatures)
        if (letters.ligature == point)
            return {base(letters.first, true), base(letters.second, true)};
    // A compatibility form ("ﬁ", "²", a full-width letter) sorts as what it stands for, after it.
    const QString character = QString::fromUcs4(&point, 1);
    const QString decomposed = character.normalized(QString::NormalizationForm_KD);
    const bool ligature = decomposed != character.normalized(QString::NormalizationForm_D);
    std::vector<Piece> pieces;
    for (const char32_t part : decomposed.toUcs4())
        pieces.push_back(QChar::isMark(part) ? accent(part) : base(part, ligature));
    return pieces;
}

// The pieces of ASCII and the Latin letters, worked out once; other characters are rare in the
// suite's texts.
class PieceTable
{
public:
    static constexpr char32_t Size = 0x250;

    PieceTable()
    {
        for (char32_t point = 0; point < Size; ++point) {
            m_first[point] = static_cast<unsigned short>(m_pieces.size());
            const std::vector<Piece> pieces = describe(point);
            m_pieces.insert(m_pieces.end(), pieces.begin(), pieces.end());
        }
        m_first[Size] = static_cast<unsigned short>(m_pieces.size());
    }

    // The one piece of an ASCII character: they come first, one each.
    const Piece &ascii(char32_t point) const { return m_pieces[point]; }

    std::span<const Piece> of(char32_t point) const
    {
        return std::span(m_pieces).subspan(m_first[point], m_first[point + 1] - m_first[point]);
    }

private:
    std::vector<Piece> m_pieces;
    std::array<unsigned short, Size + 1> m_first{};
};

const PieceTable &pieceTable()
{
    static const PieceTable table;
    return table;
}

using KeyBytes = QVarLengthArray<char, 192>;

class KeyBuilder
{
public:
    void add(char32_t point)
    {
        // Most characters are ASCII letters, digits and blanks: one base of one byte.
        if (point < 0x80) {
            const Piece &piece = m_table.ascii(point);
            if (piece.kind == PieceKind::Base) {
                addBase(piece);
                return;
            }
        }
        if (point < PieceTable::Size) {
            addPieces(m_table.of(point));
        } else {
            const std::vector<Piece> pieces = describe(point);
            addPieces(pieces);
        }
    }

    KeyBytes key()
    {
        KeyBytes key;
        for (const auto *part : {&m_bases, &m_accents, &m_cases, &m_ignored}) {
            key.append(part->constData(), part->size());
            key.append('\0');
        }
        return key;
    }

private:
    using Part = QVarLengthArray<char, 64>;

    void addPieces(std::span<const Piece> pieces)
    {
        for (const Piece &piece : pieces)
            switch (piece.kind) {
            case PieceKind::Base:
                addBase(piece);
                break;
            case PieceKind::Accent:
                // On the base before it; one at the start of the text has a place of its own.
                appendPlace(m_accents);
                appendCode(m_accents, piece);
                break;
            case PieceKind::Ignored:
                appendPlace(m_ignored);
                appendCode(m_ignored, piece);
                break;
            }
    }

    void addBase(const Piece &piece)
    {
        appendCode(m_bases, piece);
        if (piece.caseForm != Plain) {
            appendPlace(m_cases);
            m_cases.append(static_cast<char>(piece.caseForm));
        }
        ++m_baseCount;
    }

    static void appendCode(Part &to, const Piece &piece)
    {
        if (piece.size == 1)
            to.append(piece.code[0]);
        else
            to.append(piece.code.data(), piece.size);
    }

    // The place in the bases, later places lower; the first byte is never zero.
    void appendPlace(Part &to) const
    {
        constexpr qsizetype lastPlace = 0xFEFFFF;
        const auto place = static_cast<char32_t>(0xFFFFFF - std::min(m_baseCount, lastPlace));
        const char bytes[] = {static_cast<char>(place >> 16), static_cast<char>(place >> 8),
                              static_cast<char>(place)};
        to.append(bytes, 3);
    }

    const PieceTable &m_table = pieceTable();
    Part m_bases;
    Part m_accents;
    Part m_cases;
    Part m_ignored;
    qsizetype m_baseCount = 0;
};

void sortKeyCall(sqlite3_context *context, int, sqlite3_value **arguments)
{
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *at = sqlite3_value_text(arguments[0]);
    if (!at) {
        sqlite3_result_error_nomem(context);
        return;
    }
    const unsigned char *end = at + sqlite3_value_bytes(arguments[0]);
    KeyBuilder builder;
    while (at < end)
        builder.add(nextCodePoint(at, end));
    const KeyBytes key = builder.key();
    sqlite3_result_blob(context, key.constData(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
}

} // namespace

QByteArray frenchSortKey(QStringView text)
{
    KeyBuilder builder;
    for (qsizetype at = 0; at < text.size(); ++at) {
        char32_t point = text[at].unicode();
        if (QChar::isHighSurrogate(point) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
            point = QChar::surrogateToUcs4(static_cast<char16_t>(point), text[++at].unicode());
        builder.add(point);
    }
    const KeyBytes key = builder.key();
    return QByteArray(key.constData(), key.size());
}

int compareInFrenchOrder(QStringView a, QStringView b)
{
    const int order = frenchSortKey(a).compare(frenchSortKey(b));
    return (order > 0) - (order < 0);
}

QString inFrenchOrder(const QString &field)
{
    return FrenchSortKeyFunction + QLatin1Char('(') + field + QLatin1Char(')');
}

void installFrenchSortKey(sqlite3 *handle)
{
    if (sqlite3_create_function_v2(handle, FrenchSortKeyFunction.toUtf8().constData(), 1,
                                   SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sortKeyCall, nullptr, nullptr,
                                   nullptr) != SQLITE_OK)
        throw sqlFailure(handle);
}

} // namespace storage
