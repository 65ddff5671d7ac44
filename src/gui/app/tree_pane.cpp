#include "gui/app/tree_pane.h"

#include "gui/app/fallback_icons.h"
#include "gui/base/lang_text.h"
#include "gui/base/twips.h"
#include "lang_text_ids.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int KeyRole = Qt::UserRole;
constexpr int HandleWidthPixels = 5;

}  // namespace

TreePane::TreePane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TreePane"));
    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setFixedWidth(twipsToPixels(DefaultPaneTwips));

    m_label1 = new QLabel(m_picture1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_toolbar1 = new QToolBar(m_picture1);
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setIconSize(QSize(12, 12));
    QAction* close = m_toolbar1->addAction(toolbarIcon(QStringLiteral("TB_CLOSE")), QString());
    close->setObjectName(QStringLiteral("TB_CLOSE"));
    connect(close, &QAction::triggered, this, &TreePane::closeRequested);

    m_tree = new QTreeWidget(m_picture1);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    connect(m_tree, &QTreeWidget::itemClicked, this, &TreePane::treeItemClicked);
    m_tree->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(2, 0, 0, 0);
    top->addWidget(m_label1, 1);
    top->addWidget(m_toolbar1);
    auto* column = new QVBoxLayout(m_picture1);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(top);
    column->addWidget(m_tree, 1);

    m_commandMove = new QWidget(this);
    m_commandMove->setObjectName(QStringLiteral("CommandMove"));
    m_commandMove->setFixedWidth(HandleWidthPixels);
    m_commandMove->setCursor(Qt::SizeHorCursor);
    m_commandMove->installEventFilter(this);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_picture1);
    row->addWidget(m_commandMove);
}

void TreePane::LoadTree()
{
    m_tree->clear();
    auto* root = new QTreeWidgetItem(m_tree, QStringList(m_label1->text()));
    root->setData(0, KeyRole, QStringLiteral("N0"));
    root->setIcon(0, treeIcon(true));
    addPage(root, "N1", Txt::PageChannels);
    addPage(root, "N2", Txt::PageOptions);
    addPage(root, "N4", Txt::PageDtmf);
    addPage(root, "N12", Txt::PageToneTips);
    addPage(root, "N8", Txt::PageKeys);
    addPage(root, "N7", Txt::PageRadioInfo);
    root->setExpanded(true);
}

void TreePane::addPage(QTreeWidgetItem* root, const char* key, int textNumber)
{
    auto* item = new QTreeWidgetItem(root, QStringList(LangText(textNumber)));
    item->setData(0, KeyRole, QString::fromLatin1(key));
    item->setIcon(0, treeIcon(false));
}

void TreePane::setRootText(const QString& text)
{
    m_label1->setText(text);
    m_tree->setAccessibleName(text);
    if (QTreeWidgetItem* root = m_tree->topLevelItem(0))
        root->setText(0, text);
}

QString TreePane::rootText() const
{
    return m_label1->text();
}

void TreePane::setNodeEnabled(const QString& key, bool enabled)
{
    QTreeWidgetItem* root = m_tree->topLevelItem(0);
    if (!root)
        return;
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem* item = root->child(i);
        if (item->data(0, KeyRole).toString() == key)
            item->setDisabled(!enabled);
    }
}

void TreePane::setCloseToolTip(const QString& text)
{
    // The text names the button for screen readers; it shows an icon only.
    // The shared Close text carries an access key ("&Close", "关闭(&C)"),
    // which a tooltip does not show.
    if (auto* close = m_toolbar1->findChild<QAction*>(QStringLiteral("TB_CLOSE"))) {
        close->setText(text);
        close->setToolTip(
            QString(text).remove(QRegularExpression(QStringLiteral("\\(&.\\)$"))).remove(QLatin1Char('&')));
    }
}

void TreePane::treeItemClicked(QTreeWidgetItem* item)
{
    if (item && !item->isDisabled())
        emit nodeClicked(item->data(0, KeyRole).toString());
}

bool TreePane::treeKeyPressed(const QKeyEvent* event)
{
    // Enter and Space open the current page, as a click does.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier)
            return false;
        treeItemClicked(m_tree->currentItem());
        return true;
    default:
        return false;
    }
}

int TreePane::paneWidthTwips() const
{
    return pixelsToTwips(m_picture1->width());
}

bool TreePane::paneWidthAccepted(int widthTwips, int innerWidthTwips)
{
    return widthTwips >= MinPaneTwips && widthTwips <= innerWidthTwips;
}

bool TreePane::dragBy(int x, int innerWidthPixels)
{
    const int newWidth = m_picture1->width() + x;
    if (!paneWidthAccepted(pixelsToTwips(newWidth), pixelsToTwips(innerWidthPixels)))
        return false;
    // The window must still hold the pane, its handle and the child area
    // beside it; a wider pane would make the window itself grow with every
    // step of the drag and push it off the screen.
    if (const QWidget* area = parentWidget()) {
        const int neededWidth = area->minimumSizeHint().width() - m_picture1->width() + newWidth;
        if (neededWidth > innerWidthPixels)
            return false;
    }
    m_picture1->setFixedWidth(newWidth);
    return true;
}

bool TreePane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress)
        return treeKeyPressed(static_cast<QKeyEvent*>(event));
    if (watched != m_commandMove)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_moveTree = true;
        return true;
    case QEvent::MouseButtonRelease:
        m_moveTree = false;
        return true;
    case QEvent::MouseMove:
        if (m_moveTree) {
            const int x = static_cast<QMouseEvent*>(event)->position().toPoint().x();
            const QWidget* area = parentWidget();
            dragBy(x, area ? area->width() : width());
        }
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}
