#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The modal progress window of a read or write of the radio's memory. While it
// is open the user cannot start another command. It is shown without a nested
// event loop: the transfer runs on in the program's own loop and closes the
// window when it ends. Cancel (or Escape, or the window's close box) asks the
// transfer to stop; the transfer decides and closes the window itself.
class FrmProgress : public QDialog {
    Q_OBJECT
public:
    // kind: 1 read image, 2 write image (the caption is text 9026 + kind).
    explicit FrmProgress(int transferKind, QWidget* parent = nullptr);

    // Moves the bar to value (0..100) and shows it as "N%".
    void SetProgressValue(int value);
    void ChangShowByLanguage();

    int progressValue() const;
    QPushButton* cancelButton() const { return m_cancel; }
    QString percentText() const;
    int transferKind() const { return m_kind; }

    // Closes the window; only the transfer may do so.
    void unload();

signals:
    void cancelRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void Form_Load();
    void justSize();

    int m_kind = 0;
    bool m_unloading = false;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QProgressBar* m_bar = nullptr;
    QPushButton* m_cancel = nullptr;
};
