#pragma once

#include <QWidget>

class QKeyEvent;
class QLabel;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The left pane of the main window (`Picture1`): a small toolbar with the
// close button "TB_CLOSE", the root text (`Label1`), the tree of pages
// (`TreeView1`) and, at its right edge, the drag handle (`CommandMove`) by
// which the user widens or narrows the pane.
class TreePane : public QWidget {
    Q_OBJECT
public:
    // The pane is never made narrower than this, nor wider than the window.
    static constexpr int MinPaneTwips = 300;
    static constexpr int DefaultPaneTwips = 3300;

    explicit TreePane(QWidget* parent = nullptr);

    // Clears and rebuilds the tree: the root "N0" and its pages in order.
    void LoadTree();
    // The text of `Label1` and of the tree's root.
    void setRootText(const QString& text);
    QString rootText() const;
    void setNodeEnabled(const QString& key, bool enabled);
    void setCloseToolTip(const QString& text);

    // Width of the pane itself (without the drag handle), in twips.
    int paneWidthTwips() const;
    // One step of a drag of the handle: x is the mouse's offset within the
    // handle in pixels, innerWidthPixels the width the main window offers.
    // Returns false, changing nothing, when the pane would become narrower
    // than MinPaneTwips or wider than that inner width, or so wide that the
    // window could no longer hold the pane, its handle and the child area.
    bool dragBy(int x, int innerWidthPixels);
    static bool paneWidthAccepted(int widthTwips, int innerWidthTwips);

    QTreeWidget* tree() const { return m_tree; }

signals:
    void closeRequested();
    void nodeClicked(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addPage(QTreeWidgetItem* root, const char* key, int textNumber);
    void treeItemClicked(QTreeWidgetItem* item);
    bool treeKeyPressed(const QKeyEvent* event);

    QWidget* m_picture1 = nullptr;
    QToolBar* m_toolbar1 = nullptr;
    QLabel* m_label1 = nullptr;
    QTreeWidget* m_tree = nullptr;
    QWidget* m_commandMove = nullptr;
    bool m_moveTree = false;
};
