#include "gui/link/frm_progress.h"

#include "gui/base/lang_text.h"
#include "gui/base/twips.h"
#include "gui/base/ui_prompts.h"
#include "lang_text_ids.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace {

// The window's own faults are reported by the name of the step that failed;
// the window stays usable and the transfer goes on.
template <typename Step>
void guarded(const char* name, Step step)
{
    try {
        step();
    } catch (const std::exception&) {
        UiPrompts::current().message(QString::fromLatin1(name), NoticeIcon::None);
    }
}

}  // namespace

FrmProgress::FrmProgress(int transferKind, QWidget* parent) : QDialog(parent), m_kind(transferKind)
{
    setObjectName(QStringLiteral("FrmProgress"));
    setModal(true);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setAlignment(Qt::AlignCenter);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("CommandCancel"));
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &FrmProgress::cancelRequested);

    setMinimumSize(twipsToPixels(3000), twipsToPixels(2000));
    resize(twipsToPixels(5400), twipsToPixels(2200));

    guarded("ProgressForm_LoadError", [this] { Form_Load(); });
}

void FrmProgress::Form_Load()
{
    ChangShowByLanguage();
    m_bar->setValue(0);
    m_label2->setText(QStringLiteral("0%"));
}

void FrmProgress::ChangShowByLanguage()
{
    guarded("ProgressChangShowByLanguageError", [this] {
        setWindowTitle(LangText(Txt::ProgressCaption + m_kind));
        m_label1->setText(LangText(Txt::ProgressLabel));
        // The bar carries the message as its name, so that a screen reader
        // says what is progressing along with the value it announces.
        m_bar->setAccessibleName(windowTitle());
        m_bar->setAccessibleDescription(m_label1->text());
        m_cancel->setText(LangText(Txt::CancelButton));
    });
    guarded("ProgressjustSizeError", [this] { justSize(); });
}

void FrmProgress::SetProgressValue(int value)
{
    guarded("SetProgressValueError", [this, value] {
        if (value < m_bar->minimum() || value > m_bar->maximum())
            throw std::out_of_range("progress value");
        m_bar->setValue(value);
        m_label2->setText(QString::number(value) + QLatin1Char('%'));
    });
}

int FrmProgress::progressValue() const
{
    return m_bar->value();
}

QString FrmProgress::percentText() const
{
    return m_label2->text();
}

void FrmProgress::unload()
{
    m_unloading = true;
    done(QDialog::Accepted);
}

void FrmProgress::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    guarded("ProgressjustSizeError", [this] { justSize(); });
}

void FrmProgress::justSize()
{
    // Message on top, the bar across the window below it, the percentage
    // centred under the bar; all with the same margin to the window's edges.
    const int margin = twipsToPixels(200);
    const int width = std::max(0, this->width() - 2 * margin);
    const int lineHeight = fontMetrics().height();
    const int messageHeight = m_label1->heightForWidth(width) > 0 ? m_label1->heightForWidth(width) : lineHeight;
    m_label1->setGeometry(margin, margin, width, messageHeight);
    const int barTop = margin + messageHeight + twipsToPixels(100);
    const int barHeight = std::max(lineHeight, twipsToPixels(300));
    m_bar->setGeometry(margin, barTop, width, barHeight);
    const int percentTop = barTop + barHeight + twipsToPixels(60);
    m_label2->setGeometry(margin, percentTop, width, lineHeight);
    const QSize button = m_cancel->sizeHint();
    m_cancel->setGeometry((this->width() - button.width()) / 2, percentTop + lineHeight + twipsToPixels(100),
                          button.width(), button.height());
}

void FrmProgress::closeEvent(QCloseEvent* event)
{
    // The transfer decides when the window goes: it is asked to stop, and
    // closes the window once it has ended.
    if (m_unloading) {
        event->accept();
        return;
    }
    event->ignore();
    emit cancelRequested();
}

void FrmProgress::reject()
{
    // Escape: the same as Cancel.
    if (m_unloading)
        QDialog::reject();
    else
        emit cancelRequested();
}
