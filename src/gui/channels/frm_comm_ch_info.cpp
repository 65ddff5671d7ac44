#include "gui/channels/frm_comm_ch_info.h"

#include "core/base/app_state.h"
#include "gui/base/document_signals.h"
#include "gui/base/lang_text.h"
#include "gui/base/scroll_page.h"
#include "gui/base/twips.h"
#include "core/model/undo_group.h"
#include "gui/base/widget_helpers.h"
#include "gui/channels/channel_columns.h"
#include "gui/channels/channel_grid_view.h"
#include "gui/channels/channel_table_model.h"
#include "gui/channels/group_chooser.h"
#include "gui/channels/group_settings_panel.h"
#include "core/channels/group_settings.h"
#include "core/freq/channel_groups.h"
#include "lang_text_ids.h"
#include "core/model/document.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int GridWidthTwips = 7680;

// The group a document asks to show, when its band has it; else the first.
int groupToShow(const Document& doc)
{
    const int group = doc.Record.OptFeat.GridGroup;
    return GetGroupSize(group, doc.BandMode) > 0 ? group : 0;
}

}  // namespace

frmCommChInfo::~frmCommChInfo()
{
    // A cell still being edited is stored while the window is whole; after
    // that nothing reaches its handlers any more.
    EndGridEdit();
    DisconnectChildrenFrom(this);
    if (m_docSignals)
        disconnect(m_docSignals, nullptr, this, nullptr);
}

frmCommChInfo::frmCommChInfo(Document& doc, DocumentSignals& docSignals, Notifier& notifier, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_model(new ChannelTableModel(doc, notifier, this))
{
    setObjectName(QStringLiteral("frmCommChInfo"));
    buildLayout();
    m_helpButton->setVisible(AppState::instance().HelpAvailable);
    resize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));

    m_docSignals = &docSignals;
    connect(&docSignals, &DocumentSignals::changed, this, &frmCommChInfo::onDocumentChanged);
    connect(m_chooser, &GroupChooser::groupChosen, this, &frmCommChInfo::onGroupChosen);
    connect(m_grid, &ChannelGridView::editDialogRequested, this, &frmCommChInfo::requestEditDialog);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &frmCommChInfo::onCurrentChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        // A new group keeps the current cell's column, on the first row.
        m_grid->setCurrentIndex(m_model->index(0, FreqColumn));
    });
    connect(m_editButton, &QPushButton::clicked, this, [this] { requestEditDialog(m_gridRow - 1); });
    connect(m_closeButton, &QPushButton::clicked, this, [this] {
        // Inside the main window the frame closes with its contents.
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
    });

    ChangShowByLanguage();
    SetGridData(groupToShow(m_doc));
    // The keyboard starts in the grid: in the group list, Down would switch
    // the group by accident.
    setFocusProxy(m_grid);
    m_grid->setFocus();
}

void frmCommChInfo::buildLayout()
{
    m_chooser = new GroupChooser(this);
    m_grid = new ChannelGridView(*m_model, this);
    m_grid->setFixedWidth(twipsToPixels(GridWidthTwips));
    m_settings = new GroupSettingsPanel(m_doc, this);
    m_editButton = new QPushButton(this);
    m_editButton->setObjectName(QStringLiteral("CommandCHInfoEdit"));
    m_helpButton = new QPushButton(this);
    m_helpButton->setObjectName(QStringLiteral("CommandHelp"));
    m_closeButton = new QPushButton(this);
    m_closeButton->setObjectName(QStringLiteral("CommandClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_editButton);
    buttons->addStretch(1);
    buttons->addWidget(m_helpButton);
    buttons->addWidget(m_closeButton);

    // The grid and the group settings scroll on a page when the window is
    // smaller than they need (a narrow child area); the buttons stay in view.
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    auto* column = new QVBoxLayout(page);
    column->addWidget(m_chooser);
    column->addWidget(m_grid, 1);
    column->addWidget(m_settings);
    auto* scroll = new DesignScrollArea(this);
    scroll->setWidget(page);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    buttons->setContentsMargins(column->contentsMargins().left(), 0, column->contentsMargins().right(),
                                column->contentsMargins().bottom());
    outer->addWidget(scroll, 1);
    outer->addLayout(buttons);
}

QSize frmCommChInfo::sizeHint() const
{
    return QSize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));
}

int frmCommChInfo::shownGroup() const
{
    return m_model->group();
}

void frmCommChInfo::ChangShowByLanguage()
{
    m_model->reShowHeaders();
    m_grid->setAccessibleName(LangText(Txt::PageChannels));
    m_chooser->setLabelText(LangText(Txt::GroupLabel));
    m_settings->setTexts();
    m_editButton->setText(LangText(Txt::OpenChannelEditor));
    SetCloseHelpCaptions(this);
}

void frmCommChInfo::SetGridData(int group)
{
    m_chooser->fillForBand(m_doc.BandMode);
    showGroup(group);
}

void frmCommChInfo::showGroup(int group)
{
    // What the window shows, the records hold too: the group shown comes
    // back with the file, and an FM-only emergency channel of the group is
    // stored as FM. Neither is an undo step of its own; the shown group
    // does mark the document changed.
    {
        NotAStep quiet(m_doc);
        SetShownGroup(m_doc, group);
        ApplyGroupModeLock(m_doc, group);
    }
    m_chooser->showGroup(group);
    m_model->setGroup(group);
    m_settings->showGroup(group);
    m_captionText = LangText(Txt::GridCaptionPrefix);
    showCaption();
}

void frmCommChInfo::onGroupChosen(int group)
{
    EndGridEdit();
    showGroup(group);
}

void frmCommChInfo::ChangeGroup(int group)
{
    if (GetGroupSize(group, m_doc.BandMode) <= 0 || group == shownGroup())
        return;
    EndGridEdit();
    showGroup(group);
}

void frmCommChInfo::reShowAllGrid()
{
    m_model->reShowAllGrid();
}

void frmCommChInfo::reShowGrid(int channelNo)
{
    m_model->reShowGrid(channelNo);
}

void frmCommChInfo::ReshowByCh()
{
    m_settings->ReshowByCh();
}

void frmCommChInfo::onDocumentChanged(const DocumentChange& change)
{
    using Scope = DocumentChange::Scope;
    switch (change.scope) {
    case Scope::Everything:
        // Another document, perhaps of another band: everything anew.
        SetGridData(groupToShow(m_doc));
        return;
    case Scope::Channel:
        reShowGrid(change.channelNo);
        break;
    case Scope::Channels:
        reShowAllGrid();
        break;
    case Scope::GroupSettings:
        break;
    default:
        return;
    }
    // The settings lists offer the positions that hold a channel.
    ReshowByCh();
}

void frmCommChInfo::onCurrentChanged(const QModelIndex& current)
{
    if (!current.isValid())
        return;
    m_gridRow = current.row() + 1;
    m_captionText = LangText(Txt::GridCaptionPrefix);
    showCaption();
}

void frmCommChInfo::showCaption()
{
    const QString name = QString::fromStdString(GetGroupName(shownGroup(), m_doc.BandMode));
    setWindowTitle(m_captionText + QLatin1Char(' ') + name + QStringLiteral(" --- ") + QLatin1Char(' ')
                   + QString::number(m_gridRow) + QLatin1Char(']'));
}

void frmCommChInfo::requestEditDialog(int row)
{
    EndGridEdit();
    emit editDialogRequested(shownGroup(), std::max(row, 0) + 1);
}

void frmCommChInfo::SetEditDisable()
{
    m_grid->SetEditDisable();
}

void frmCommChInfo::EnterGridEdit()
{
    m_grid->EnterGridEdit(m_grid->currentIndex());
}

void frmCommChInfo::EndGridEdit()
{
    m_grid->EndGridEdit();
}

void frmCommChInfo::ReShowChInfoByLanguage()
{
    // New texts leave the cursor where it was.
    const QModelIndex current = m_grid->currentIndex();
    ChangShowByLanguage();
    SetGridData(shownGroup());
    if (current.isValid())
        m_grid->setCurrentIndex(m_model->index(current.row(), current.column()));
    // Re-applied texts name the group by the selector's label.
    m_captionText = LangText(Txt::GroupLabel);
    showCaption();
}

void frmCommChInfo::closeEvent(QCloseEvent* event)
{
    EndGridEdit();
    QWidget::closeEvent(event);
}
