#include "platform/KeySenderNotation.h"

#include "platform/Failure.h"

#include <QHash>

namespace platform
{

namespace
{

Failure badNotation()
{
    return Failure(QStringLiteral("Argument ou appel de procédure incorrect"), 5);
}

// Key names of the notation, their other spellings mapped to one.
QString keyName(const QString &written)
{
    static const QHash<QString, QString> aliases{
        {QStringLiteral("BS"), QStringLiteral("BACKSPACE")},
        {QStringLiteral("BKSP"), QStringLiteral("BACKSPACE")},
        {QStringLiteral("DEL"), QStringLiteral("DELETE")},
        {QStringLiteral("INS"), QStringLiteral("INSERT")},
    };
    static const QStringList names{
        QStringLiteral("BACKSPACE"), QStringLiteral("BREAK"),  QStringLiteral("CAPSLOCK"),
        QStringLiteral("DELETE"),    QStringLiteral("DOWN"),   QStringLiteral("END"),
        QStringLiteral("ENTER"),     QStringLiteral("ESC"),    QStringLiteral("HELP"),
        QStringLiteral("HOME"),      QStringLiteral("INSERT"), QStringLiteral("LEFT"),
        QStringLiteral("NUMLOCK"),   QStringLiteral("PGDN"),   QStringLiteral("PGUP"),
        QStringLiteral("PRTSC"),     QStringLiteral("RIGHT"),  QStringLiteral("SCROLLLOCK"),
        QStringLiteral("TAB"),       QStringLiteral("UP"),
    };
    const QString upper = written.toUpper();
    if (aliases.contains(upper))
        return aliases.value(upper);
    if (names.contains(upper))
        return upper;
    bool isNumber = false;
    const int function = upper.mid(1).toInt(&isNumber);
    if (upper.startsWith(QLatin1Char('F')) && isNumber && function >= 1 && function <= 16)
        return upper;
    throw badNotation();
}

class Parser
{
public:
    explicit Parser(const QString &keys) : m_keys(keys) {}

    std::vector<KeyStroke> strokes()
    {
        while (m_at < m_keys.size())
            step();
        if (m_inGroup)
            throw badNotation();
        return m_strokes;
    }

private:
    void step()
    {
        const QChar c = m_keys.at(m_at++);
        switch (c.unicode()) {
        case '+':
            m_next.shift = true;
            return;
        case '^':
            m_next.control = true;
            return;
        case '%':
            m_next.alt = true;
            return;
        case '(':
            if (m_inGroup)
                throw badNotation();
            m_inGroup = true;
            m_group = m_next;
            m_next = {};
            return;
        case ')':
            if (!m_inGroup)
                throw badNotation();
            m_inGroup = false;
            m_group = {};
            return;
        case '~':
            press(QStringLiteral("ENTER"), 1);
            return;
        case '{':
            braced();
            return;
        case '}':
            throw badNotation();
        default:
            press(QString(c), 1);
        }
    }

    // "{name}" or "{name count}"; the closing brace itself is written "{}}".
    void braced()
    {
        const qsizetype close = m_keys.indexOf(QLatin1Char('}'), m_at + 1);
        if (close < 0)
            throw badNotation();
        const QString inside = m_keys.mid(m_at, close - m_at);
        m_at = close + 1;
        const qsizetype blank = inside.lastIndexOf(QLatin1Char(' '));
        QString name = inside;
        int count = 1;
        if (blank > 0) {
            bool isNumber = false;
            count = inside.mid(blank + 1).toInt(&isNumber);
            if (!isNumber || count < 0)
                throw badNotation();
            name = inside.left(blank);
        }
        press(name.size() == 1 ? name : keyName(name), count);
    }

    void press(const QString &key, int count)
    {
        KeyStroke stroke = m_next;
        stroke.shift = stroke.shift || m_group.shift;
        stroke.control = stroke.control || m_group.control;
        stroke.alt = stroke.alt || m_group.alt;
        stroke.key = key;
        for (int i = 0; i < count; ++i)
            m_strokes.push_back(stroke);
        m_next = {};
    }

    const QString &m_keys;
    qsizetype m_at = 0;
    KeyStroke m_next;
    KeyStroke m_group;
    bool m_inGroup = false;
    std::vector<KeyStroke> m_strokes;
};

} // namespace

std::vector<KeyStroke> parseKeyNotation(const QString &keys)
{
    return Parser(keys).strokes();
}

} // namespace platform
