#include "app/fallback_icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

struct IconSpec {
    const char* themeName;
    QColor colour;
    QString glyph;
};

IconSpec specOf(const QString& key)
{
    static const QHash<QString, IconSpec> specs = {
        {QStringLiteral("NewFile"), {"document-new", QColor(0x2e, 0x7d, 0x32), QStringLiteral("+")}},
        {QStringLiteral("OpenFile"), {"document-open", QColor(0xc7, 0x8a, 0x00), QStringLiteral("O")}},
        {QStringLiteral("SaveFile"), {"document-save", QColor(0x15, 0x65, 0xc0), QStringLiteral("S")}},
        {QStringLiteral("Print"), {"document-print", QColor(0x61, 0x61, 0x61), QStringLiteral("P")}},
        {QStringLiteral("ReadRadio"), {"go-down", QColor(0x00, 0x83, 0x8f), QString(QChar(0x2193))}},
        {QStringLiteral("CommSet"), {"preferences-system", QColor(0x6a, 0x1b, 0x9a), QStringLiteral("C")}},
        {QStringLiteral("WriteRadio"), {"go-up", QColor(0xc6, 0x28, 0x28), QString(QChar(0x2191))}},
        {QStringLiteral("BtnCHCut"), {"edit-cut", QColor(0x45, 0x5a, 0x64), QStringLiteral("X")}},
        {QStringLiteral("BtnCHCopy"), {"edit-copy", QColor(0x45, 0x5a, 0x64), QStringLiteral("C")}},
        {QStringLiteral("BtnCHPaste"), {"edit-paste", QColor(0x45, 0x5a, 0x64), QStringLiteral("V")}},
        {QStringLiteral("BtnCHInsert"), {"list-add", QColor(0x2e, 0x7d, 0x32), QStringLiteral("+")}},
        {QStringLiteral("BtnCHDelete"), {"list-remove", QColor(0xc6, 0x28, 0x28), QString(QChar(0x2212))}},
        {QStringLiteral("BtnCHMoveUp"), {"go-up", QColor(0x45, 0x5a, 0x64), QString(QChar(0x25b2))}},
        {QStringLiteral("BtnCHMoveDown"), {"go-down", QColor(0x45, 0x5a, 0x64), QString(QChar(0x25bc))}},
        {QStringLiteral("About"), {"help-about", QColor(0x15, 0x65, 0xc0), QStringLiteral("i")}},
        {QStringLiteral("TB_CLOSE"), {"window-close", QColor(0x61, 0x61, 0x61), QString(QChar(0x00d7))}},
        {QStringLiteral("TreeRoot"), {"computer", QColor(0x37, 0x47, 0x4f), QStringLiteral("R")}},
        {QStringLiteral("TreePage"), {"text-x-generic", QColor(0x78, 0x90, 0x9c), QString(QChar(0x2261))}},
    };
    return specs.value(key, IconSpec{"", QColor(0x78, 0x90, 0x9c), QStringLiteral("?")});
}

QPixmap drawGlyph(const IconSpec& spec, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    const QRectF frame(1.5, 1.5, size - 3.0, size - 3.0);
    body.addRoundedRect(frame, size / 6.0, size / 6.0);
    painter.fillPath(body, spec.colour);
    painter.setPen(QPen(spec.colour.darker(140), 1.0));
    painter.drawPath(body);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(frame, Qt::AlignCenter, spec.glyph);
    return pixmap;
}

QIcon iconFor(const QString& key)
{
    const IconSpec spec = specOf(key);
    QIcon drawn;
    for (int size : {16, 24, 32})
        drawn.addPixmap(drawGlyph(spec, size));
    if (!*spec.themeName)
        return drawn;
    return QIcon::fromTheme(QString::fromLatin1(spec.themeName), drawn);
}

}  // namespace

QIcon toolbarIcon(const QString& key)
{
    return iconFor(key);
}

QIcon treeIcon(bool root)
{
    return iconFor(root ? QStringLiteral("TreeRoot") : QStringLiteral("TreePage"));
}
