#include "gui/editors/tone_tip_picture.h"

#include "gui/base/twips.h"
#include "core/editors/tone_tip_bars.h"

#include <QPainter>

namespace {

constexpr int MarginTwips = 50;

}  // namespace

ToneTipPicture::ToneTipPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ToneTipPicture::setTip(const ToneTip* tip)
{
    m_tip = tip;
    update();
}

int ToneTipPicture::margin()
{
    return twipsToPixels(MarginTwips);
}

void ToneTipPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_tip)
        return;
    for (const ToneTipBar& bar : ToneTipBars(*m_tip, width(), height(), margin())) {
        const QColor colour = bar.red ? QColor(255, 0, 0) : QColor(0, 0, 255);
        painter.fillRect(QRect(bar.left, bar.top, bar.width, bar.height), colour);
    }
}
