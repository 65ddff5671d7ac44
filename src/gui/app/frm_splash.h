#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

// The start-up picture. It hands over to the main window after two seconds
// or at the first click on the picture, whichever comes first, and then closes.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int ShowMs = 2000;

    frmSplash(const QString& picturePath, std::function<void()> loadMain, QWidget* parent = nullptr);

    // Loads the main window and closes the splash; only the first call counts.
    void handOver();
    bool handedOver() const { return m_handedOver; }
    QTimer* timer() const { return m_timer1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_picLogo = nullptr;
    QTimer* m_timer1 = nullptr;
    std::function<void()> m_loadMain;
    bool m_handedOver = false;
};
