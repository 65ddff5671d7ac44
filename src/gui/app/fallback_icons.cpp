#include "gui/app/fallback_icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

// Drawing happens on a 24-unit grid scaled to the pixmap size.
using Draw = std::function<void(QPainter&)>;

const QColor Ink(0x37, 0x47, 0x4f);
const QColor Paper(0xfa, 0xfa, 0xfa);
const QColor Blue(0x19, 0x76, 0xd2);
const QColor Green(0x2e, 0x7d, 0x32);
const QColor Red(0xc6, 0x28, 0x28);
const QColor Amber(0xf9, 0xa8, 0x25);
const QColor Teal(0x00, 0x83, 0x8f);

QPen pen(const QColor& colour, double width = 1.5)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p)
{
    QPainterPath sheet;
    sheet.moveTo(5, 2.5);
    sheet.lineTo(14.5, 2.5);
    sheet.lineTo(19, 7);
    sheet.lineTo(19, 21.5);
    sheet.lineTo(5, 21.5);
    sheet.closeSubpath();
    p.setPen(pen(Ink.lighter(150), 1.2));
    p.setBrush(Paper);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(14.5, 2.5), QPointF(14.5, 7), QPointF(19, 7)}));
}

void pageLines(QPainter& p)
{
    p.setPen(pen(Ink.lighter(170), 1.2));
    for (double y : {10.0, 13.0, 16.0, 19.0})
        p.drawLine(QPointF(8, y), QPointF(16, y));
}

void badge(QPainter& p, const QColor& colour, const QPointF& centre, bool plus)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, 5.5, 5.5);
    p.setPen(pen(Qt::white, 2.0));
    p.drawLine(centre + QPointF(-3, 0), centre + QPointF(3, 0));
    if (plus)
        p.drawLine(centre + QPointF(0, -3), centre + QPointF(0, 3));
}

void arrow(QPainter& p, const QColor& colour, double x, double top, double bottom, bool down)
{
    p.setPen(pen(colour, 2.5));
    p.drawLine(QPointF(x, top), QPointF(x, bottom));
    const double tip = down ? bottom : top;
    const double back = down ? -4.5 : 4.5;
    p.drawPolyline(QPolygonF({QPointF(x - 4.5, tip + back), QPointF(x, tip), QPointF(x + 4.5, tip + back)}));
}

void radio(QPainter& p, double top)
{
    p.setPen(pen(Ink, 1.2));
    p.setBrush(QColor(0x54, 0x6e, 0x7a));
    p.drawRoundedRect(QRectF(2.5, top, 19, 21.5 - top), 2.5, 2.5);
    p.setBrush(Amber);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(4.5, top + 2, 9, 4.5), 1, 1);
    p.setBrush(QColor(0xcf, 0xd8, 0xdc));
    p.drawEllipse(QPointF(17.5, top + 4.2), 2.2, 2.2);
}

void openFolder(QPainter& p)
{
    p.setPen(pen(QColor(0xb2, 0x6a, 0x00), 1.2));
    p.setBrush(QColor(0xff, 0xca, 0x28));
    p.drawPath([] {
        QPainterPath back;
        back.moveTo(2.5, 19.5);
        back.lineTo(2.5, 5);
        back.lineTo(9, 5);
        back.lineTo(11, 7.5);
        back.lineTo(19, 7.5);
        back.lineTo(19, 10);
        return back;
    }());
    p.setBrush(QColor(0xff, 0xe0, 0x82));
    p.drawPolygon(QPolygonF({QPointF(2.5, 19.5), QPointF(6, 10.5), QPointF(22, 10.5), QPointF(18.5, 19.5)}));
}

void floppy(QPainter& p)
{
    p.setPen(pen(Blue.darker(140), 1.2));
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(Paper);
    p.drawRect(QRectF(6.5, 3, 11, 6.5));
    p.setBrush(QColor(0xe3, 0xf2, 0xfd));
    p.drawRect(QRectF(6, 13, 12, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(Blue.darker(140));
    p.drawRect(QRectF(13.5, 4.2, 2.5, 4));
}

void printer(QPainter& p)
{
    p.setPen(pen(Ink, 1.2));
    p.setBrush(Paper);
    p.drawRect(QRectF(7, 2.5, 10, 7));
    p.setBrush(QColor(0x90, 0xa4, 0xae));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    p.setBrush(Paper);
    p.drawRect(QRectF(7, 14, 10, 7.5));
    pageLines(p);
}

void plug(QPainter& p)
{
    // A serial connector: a trapezoid shell with two rows of pins and its cable.
    p.setPen(pen(Ink, 1.2));
    p.setBrush(QColor(0xb0, 0xbe, 0xc5));
    p.drawPolygon(QPolygonF({QPointF(2.5, 6), QPointF(21.5, 6), QPointF(19, 15), QPointF(5, 15)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(6 + 3 * i, 9), 0.9, 0.9);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(7.5 + 3 * i, 12), 0.9, 0.9);
    p.setPen(pen(Teal, 2.5));
    p.drawLine(QPointF(12, 15), QPointF(12, 21.5));
}

void scissors(QPainter& p)
{
    p.setPen(pen(Ink, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(7, 3), QPointF(15, 15));
    p.drawLine(QPointF(17, 3), QPointF(9, 15));
    p.setPen(pen(Red, 1.6));
    p.drawEllipse(QPointF(7.5, 18), 3, 3);
    p.drawEllipse(QPointF(16.5, 18), 3, 3);
}

void twoPages(QPainter& p)
{
    p.translate(-2.5, -1.5);
    page(p);
    p.translate(5, 3);
    page(p);
    pageLines(p);
    p.resetTransform();
}

void clipboard(QPainter& p)
{
    p.setPen(pen(QColor(0x6d, 0x4c, 0x41), 1.2));
    p.setBrush(QColor(0xa1, 0x88, 0x7f));
    p.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
    p.setBrush(Paper);
    p.drawRect(QRectF(6.5, 7, 11, 13));
    p.setBrush(Ink);
    p.drawRoundedRect(QRectF(8.5, 2.5, 7, 3.5), 1, 1);
    pageLines(p);
}

void infoCircle(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 7.3), 1.6, 1.6);
    p.drawRoundedRect(QRectF(10.5, 10, 3, 8.5), 1, 1);
}

void cross(QPainter& p)
{
    p.setPen(pen(Ink, 2.2));
    p.drawLine(QPointF(7, 7), QPointF(17, 17));
    p.drawLine(QPointF(17, 7), QPointF(7, 17));
}

struct IconSpec {
    const char* themeName;  // "" = always our own drawing
    Draw draw;
};

const QHash<QString, IconSpec>& specs()
{
    static const QHash<QString, IconSpec> table = {
        {QStringLiteral("NewFile"),
         {"document-new",
          [](QPainter& p) {
              page(p);
              badge(p, Green, {17, 17}, true);
          }}},
        {QStringLiteral("OpenFile"), {"document-open", openFolder}},
        {QStringLiteral("SaveFile"), {"document-save", floppy}},
        {QStringLiteral("Print"), {"document-print", printer}},
        // Reading and writing the radio have no theme icon that says "radio".
        {QStringLiteral("ReadRadio"),
         {"",
          [](QPainter& p) {
              radio(p, 11);
              arrow(p, Green, 12, 1.5, 9.5, true);
          }}},
        {QStringLiteral("CommSet"), {"", plug}},
        {QStringLiteral("WriteRadio"),
         {"",
          [](QPainter& p) {
              radio(p, 11);
              arrow(p, Red, 12, 1.5, 9.5, false);
          }}},
        {QStringLiteral("BtnCHCut"), {"edit-cut", scissors}},
        {QStringLiteral("BtnCHCopy"), {"edit-copy", twoPages}},
        {QStringLiteral("BtnCHPaste"), {"edit-paste", clipboard}},
        {QStringLiteral("BtnCHInsert"),
         {"list-add",
          [](QPainter& p) {
              badge(p, Green, {12, 12}, true);
          }}},
        {QStringLiteral("BtnCHDelete"),
         {"list-remove",
          [](QPainter& p) {
              badge(p, Red, {12, 12}, false);
          }}},
        {QStringLiteral("BtnCHMoveUp"), {"go-up", [](QPainter& p) { arrow(p, Blue, 12, 4, 20, false); }}},
        {QStringLiteral("BtnCHMoveDown"), {"go-down", [](QPainter& p) { arrow(p, Blue, 12, 4, 20, true); }}},
        {QStringLiteral("About"), {"help-about", infoCircle}},
        {QStringLiteral("TB_CLOSE"), {"window-close", cross}},
        {QStringLiteral("TreeRoot"),
         {"",
          [](QPainter& p) {
              p.setPen(pen(Ink, 1.5));
              p.drawLine(QPointF(18, 2.5), QPointF(18, 9));
              radio(p, 9);
          }}},
        {QStringLiteral("TreePage"),
         {"",
          [](QPainter& p) {
              page(p);
              pageLines(p);
          }}},
    };
    return table;
}

QPixmap drawIcon(const Draw& draw, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    draw(painter);
    return pixmap;
}

QIcon iconFor(const QString& key)
{
    const auto it = specs().constFind(key);
    const IconSpec spec = it != specs().cend() ? it.value() : IconSpec{"", [](QPainter& p) { page(p); }};
    QIcon drawn;
    for (int size : {16, 24, 32, 48})
        drawn.addPixmap(drawIcon(spec.draw, size));
    if (!*spec.themeName || !QIcon::hasThemeIcon(QString::fromLatin1(spec.themeName)))
        return drawn;
    return QIcon::fromTheme(QString::fromLatin1(spec.themeName));
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

void ChooseIconTheme()
{
    // Outside a desktop session Qt knows no theme; take a common one that is
    // installed rather than fall back to drawn icons for everything.
    if (QIcon::hasThemeIcon(QStringLiteral("document-open")))
        return;
    const QString before = QIcon::themeName();
    for (const char* theme : {"breeze", "Adwaita", "oxygen", "Tango", "gnome"}) {
        QIcon::setThemeName(QString::fromLatin1(theme));
        if (QIcon::hasThemeIcon(QStringLiteral("document-open")))
            return;
    }
    QIcon::setThemeName(before);
}
