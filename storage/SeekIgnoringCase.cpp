#include "storage/SeekIgnoringCase.h"

#include "storage/TextCollation.h"

#include <QChar>
#include <QVarLengthArray>

namespace storage
{

namespace
{

// The character as NOCASE compares it.
char32_t nocaseOrder(char32_t point)
{
    return point >= U'A' && point <= U'Z' ? point + (U'a' - U'A') : point;
}

// The characters that one may be in another case, in NOCASE order, those that NOCASE takes for
// one ("a" and "A") given once. "ς" goes up to "Σ", which goes down to "σ": all three. Letters are
// taken within the 16-bit range, where every accented letter of the suite's languages lies.
struct CaseVariants {
    char16_t units[5] = {};
    int count = 0;

    CaseVariants() = default;
    explicit CaseVariants(char16_t unit)
    {
        units[count++] = unit;
        if (unit < 0x80 || QChar::isSurrogate(unit)) // NOCASE folds ASCII letters itself
            return;
        const char32_t upper = QChar::toUpper(char32_t(unit));
        const char32_t lower = QChar::toLower(char32_t(unit));
        for (const char32_t variant : {upper, lower, QChar::toLower(upper), QChar::toUpper(lower)}) {
            if (variant > 0xFFFF)
                continue;
            int at = 0;
            while (at < count && nocaseOrder(units[at]) < nocaseOrder(variant))
                ++at;
            if (at < count && nocaseOrder(units[at]) == nocaseOrder(variant))
                continue;
            for (int moved = count; moved > at; --moved)
                units[moved] = units[moved - 1];
            units[at] = char16_t(variant);
            ++count;
        }
    }
};

// The spelling of the text as given, then its other spellings in index order; a spelling's branch
// is left as soon as no key begins with its first characters, so few seeks are spent on spellings
// that have no row.
class SpellingSearch
{
public:
    SpellingSearch(TableCursor &cursor, const QString &text,
                   const std::function<bool(const TableCursor &)> &accepts)
        : m_cursor(cursor), m_field(cursor.indexFields().value(0)), m_accepts(accepts), m_text(text),
          m_spelling(text)
    {
    }

    bool find()
    {
        if (findRows(m_text))
            return true;
        // The other spellings are worked out only when the text's own has no row.
        for (const QChar unit : m_text)
            m_variants.append(CaseVariants(unit.unicode()));
        return findFrom(0, true);
    }

private:
    // The other spellings that keep the characters before position as chosen; highest tells that
    // every choice so far is the highest, so that no spelling comes after those of this branch.
    bool findFrom(qsizetype position, bool highest)
    {
        position = nextVariation(position);
        if (position == m_spelling.size())
            return findSpelling(highest);
        const bool lastVariation = nextVariation(position + 1) == m_spelling.size();
        const CaseVariants &variants = m_variants[position];
        for (int i = 0; i < variants.count; ++i) {
            m_spelling[position] = QChar(variants.units[i]);
            const bool stillHighest = highest && i == variants.count - 1;
            if (!lastVariation && !someKeyBegins(position + 1))
                continue;
            if (findFrom(position + 1, stillHighest))
                return true;
        }
        return false;
    }

    qsizetype nextVariation(qsizetype position) const
    {
        while (position < m_spelling.size() && m_variants[position].count == 1)
            ++position;
        return position;
    }

    QString key() const { return m_cursor.value(m_field).toString(); }

    bool someKeyBegins(qsizetype length) const
    {
        const QString prefix = m_spelling.left(length);
        const QString next = m_cursor.firstKeyFrom(prefix).toString();
        return compareAsNocase(QStringView(next).left(prefix.size()), prefix) == 0;
    }

    // Only the last spelling is sought without looking first whether it has a row, which reads
    // the index alone.
    bool findSpelling(bool highest)
    {
        if (compareAsNocase(m_spelling, m_text) == 0)
            return false; // sought first
        if (!highest && compareAsNocase(m_cursor.firstKeyFrom(m_spelling).toString(), m_spelling) != 0)
            return false;
        return findRows(m_spelling);
    }

    // The rows of one spelling lie together.
    bool findRows(const QString &spelling)
    {
        if (!m_cursor.seek(SeekOperator::Equal, {spelling}))
            return false;
        do {
            if (!m_accepts || m_accepts(m_cursor))
                return true;
            m_cursor.moveNext();
        } while (!m_cursor.atEnd() && compareAsNocase(key(), spelling) == 0);
        return false;
    }

    TableCursor &m_cursor;
    QString m_field;
    const std::function<bool(const TableCursor &)> &m_accepts;
    QString m_text;
    QString m_spelling;
    QVarLengthArray<CaseVariants, 32> m_variants;
};

} // namespace

bool seekIgnoringCase(TableCursor &cursor, const QString &text,
                      const std::function<bool(const TableCursor &)> &accepts)
{
    return SpellingSearch(cursor, text, accepts).find();
}

} // namespace storage
