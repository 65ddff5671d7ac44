#pragma once

#include "core/model/records.h"

#include <QWidget>

// The bar picture of a tone tip (white, one bar per tone with a length),
// drawn in proportion to the widget's own size whenever it paints. It reads
// the tip from the document each time, so it shows the stored tones.
class ToneTipPicture : public QWidget {
    Q_OBJECT
public:
    explicit ToneTipPicture(QWidget* parent = nullptr);

    // The tip to draw; nullptr draws nothing but the background.
    void setTip(const ToneTip* tip);

    // The margin on every side, in pixels.
    static int margin();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ToneTip* m_tip = nullptr;
};
