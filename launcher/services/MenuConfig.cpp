#include "launcher/services/MenuConfig.h"

#include "launcher/services/IniLines.h"
#include "storage/PendingFile.h"
#include "platform/TextCase.h"

namespace services
{

namespace
{

const QString FrmBackColor = QStringLiteral("FRM_BACKCOLOR");
const QString BtnBackColor = QStringLiteral("BTN_BACKCOLOR");
const QString BtnForeColor = QStringLiteral("BTN_FORECOLOR");

// The line's value for key when the key occurs in it; nothing when it does not or the value is empty.
std::optional<QString> valueOf(const QString &line, const QString &key)
{
    if (!line.contains(key))
        return std::nullopt;
    QString value = line;
    value = trimBlanks(value.remove(key));
    value = trimBlanks(value.remove(u'='));
    if (value.isEmpty())
        return std::nullopt;
    return value;
}

void keepFound(std::optional<QString> &kept, std::optional<QString> found)
{
    if (found)
        kept = std::move(found);
}

void replaceWhenSet(Couleur &colour, const std::optional<QString> &text)
{
    if (text)
        colour = *text;
}

} // namespace

MenuColourTexts menuColoursFromLines(const QStringList &lines)
{
    MenuColourTexts texts;
    for (const QString &content : iniContent(lines)) {
        const QString line = platform::upperCase(content);
        keepFound(texts.frmBackColor, valueOf(line, FrmBackColor));
        keepFound(texts.btnBackColor, valueOf(line, BtnBackColor));
        keepFound(texts.btnForeColor, valueOf(line, BtnForeColor));
    }
    return texts;
}

MenuColours applyMenuColourTexts(MenuColours colours, const MenuColourTexts &texts)
{
    replaceWhenSet(colours.frmBackColor, texts.frmBackColor);
    replaceWhenSet(colours.btnBackColor, texts.btnBackColor);
    replaceWhenSet(colours.btnForeColor, texts.btnForeColor);
    return colours;
}

QByteArray menuConfigText(const MenuColours &colours)
{
    const QString text = QStringLiteral("[PERSONALISATION]\r\n") + FrmBackColor + u'=' +
                         couleurTexte(colours.frmBackColor) + QStringLiteral("\r\n") + BtnBackColor + u'=' +
                         couleurTexte(colours.btnBackColor) + QStringLiteral("\r\n") + BtnForeColor + u'=' +
                         couleurTexte(colours.btnForeColor) + QStringLiteral("\r\n\r\n");
    return text.toUtf8();
}

void writeMenuConfig(const QString &path, const MenuColours &colours)
{
    storage::writeWholeFile(path, menuConfigText(colours));
}

} // namespace services
