// Draws the two splash pictures (English and Chinese) that the program shows
// while it starts. Run once and commit the output:
//   QT_QPA_PLATFORM=offscreen make_splash <data folder>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

void drawRadio(QPainter& p, const QRectF& body)
{
    // Antenna with radiating waves.
    const QPointF tip(body.right() - body.width() * 0.15, body.top() - body.height() * 0.85);
    p.setPen(QPen(QColor(200, 210, 220), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(tip.x(), body.top()), tip);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const double r = 14.0 * i;
        p.setPen(QPen(QColor(255, 190, 60, 230 - i * 50), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(tip.x() - r, tip.y() - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
    }

    // Body.
    QLinearGradient metal(body.topLeft(), body.bottomLeft());
    metal.setColorAt(0, QColor(70, 78, 90));
    metal.setColorAt(1, QColor(30, 34, 42));
    p.setPen(QPen(QColor(150, 160, 175), 2));
    p.setBrush(metal);
    p.drawRoundedRect(body, 14, 14);

    // Display with a channel and frequency readout.
    const QRectF lcd(body.left() + body.width() * 0.06, body.top() + body.height() * 0.18, body.width() * 0.55,
                     body.height() * 0.42);
    QLinearGradient glow(lcd.topLeft(), lcd.bottomLeft());
    glow.setColorAt(0, QColor(255, 176, 40));
    glow.setColorAt(1, QColor(220, 120, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(lcd, 6, 6);
    QFont digits("DejaVu Sans Mono", 1, QFont::Bold);
    digits.setPixelSize(static_cast<int>(lcd.height() * 0.45));
    p.setFont(digits);
    p.setPen(QColor(40, 20, 0));
    p.drawText(lcd, Qt::AlignCenter, "27.185");

    // Knobs.
    for (int i = 0; i < 2; ++i) {
        const double r = body.height() * 0.16;
        const QPointF c(body.left() + body.width() * (0.72 + 0.16 * i), body.top() + body.height() * 0.4);
        QRadialGradient knob(c, r);
        knob.setColorAt(0, QColor(190, 195, 205));
        knob.setColorAt(1, QColor(80, 85, 95));
        p.setBrush(knob);
        p.setPen(QPen(QColor(30, 30, 30), 1.5));
        p.drawEllipse(c, r, r);
    }

    // Speaker grille.
    p.setPen(QPen(QColor(110, 118, 130), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double y = body.top() + body.height() * (0.72 + i * 0.04);
        p.drawLine(QPointF(body.left() + body.width() * 0.06, y), QPointF(body.left() + body.width() * 0.6, y));
    }
}

QImage splash(const QString& subtitle, const QString& note, const QString& uiFamily)
{
    QImage image(520, 320, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, QColor(16, 40, 78));
    sky.setColorAt(1, QColor(6, 14, 30));
    p.fillRect(image.rect(), sky);

    drawRadio(p, QRectF(300, 150, 190, 110));

    QFont title(uiFamily, 1, QFont::Black);
    title.setPixelSize(58);
    p.setFont(title);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(32, 60, 300, 70), Qt::AlignLeft | Qt::AlignVCenter, "BRISKO7");

    QFont sub(uiFamily, 1, QFont::Normal);
    sub.setPixelSize(22);
    p.setFont(sub);
    p.setPen(QColor(255, 190, 60));
    p.drawText(QRectF(34, 128, 280, 34), Qt::AlignLeft | Qt::AlignVCenter, subtitle);

    QFont small(uiFamily, 1, QFont::Normal);
    small.setPixelSize(14);
    p.setFont(small);
    p.setPen(QColor(170, 185, 205));
    p.drawText(QRectF(34, 168, 260, 60), Qt::AlignLeft | Qt::TextWordWrap, note);

    p.setPen(QColor(120, 135, 160));
    p.drawText(QRectF(34, 280, 300, 24), Qt::AlignLeft | Qt::AlignVCenter, "V1.00");
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QImage english = splash("Programming Software", "CB / 10-metre transceiver", "DejaVu Sans");
    const QImage chinese = splash(
        QString::fromUtf8("\xe5\x86\x99\xe9\xa2\x91\xe8\xbd\xaf\xe4\xbb\xb6"),
        QString::fromUtf8("CB / 10 \xe7\xb1\xb3\xe6\xb3\xa2\xe6\xae\xb5\xe7\x94\xb5\xe5\x8f\xb0"),
        "WenQuanYi Micro Hei");
    const bool ok = english.save(folder + "/StartE.jpg", "JPG", 92) && chinese.save(folder + "/StartC.jpg", "JPG", 92);
    if (!ok) {
        std::fprintf(stderr, "make_splash: could not write the pictures into %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
