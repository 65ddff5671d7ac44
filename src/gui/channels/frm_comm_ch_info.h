#pragma once

#include <QPointer>
#include <QWidget>

class ChannelGridView;
class ChannelTableModel;
class Document;
class DocumentSignals;
class GroupChooser;
class GroupSettingsPanel;
class Notifier;
class QModelIndex;
class QPushButton;
struct DocumentChange;

// The channel window: the channels of one group as a grid with in-place
// editors, the choice of group, and the group's settings. It keeps no copy
// of the records: every value it shows is read from the document, every
// change goes through the channel update path or the group settings, and it
// refreshes from the document's change notification, whoever made the change.
class frmCommChInfo : public QWidget {
    Q_OBJECT
public:
    static constexpr int WidthTwips = 8200;
    static constexpr int HeightTwips = 6900;

    frmCommChInfo(Document& doc, DocumentSignals& docSignals, Notifier& notifier, QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    // The window opens at its size in twips.
    QSize sizeHint() const override;

    // The group shown.
    int shownGroup() const;
    // The grid row last entered (one-based).
    int gridRow() const { return m_gridRow; }

    // Public operations for the other windows.
    void reShowAllGrid();
    void reShowGrid(int channelNo);
    void ReshowByCh();
    // Shows another group, as the channel edit dialog asks when its own group
    // changes; a pending in-place edit is stored first, on its own channel.
    void ChangeGroup(int group);
    // Closes an open in-place editor without storing it.
    void SetEditDisable();
    // Opens the in-place editor of the current cell.
    void EnterGridEdit();
    // Stores a pending in-place edit and closes the editor.
    void EndGridEdit();
    void ReShowChInfoByLanguage();

    ChannelGridView* grid() const { return m_grid; }
    ChannelTableModel* model() const { return m_model; }
    GroupChooser* chooser() const { return m_chooser; }
    GroupSettingsPanel* settings() const { return m_settings; }
    QPushButton* editButton() const { return m_editButton; }

signals:
    // The user asked for the channel edit dialog on a channel (">>" or the
    // edit button). The channel edit dialog, once it exists, answers it.
    void editDialogRequested(int group, int position);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void ChangShowByLanguage();
    // Fills the selectors for the band and shows the group.
    void SetGridData(int group);
    void showGroup(int group);
    void onGroupChosen(int group);
    void onDocumentChanged(const DocumentChange& change);
    void onCurrentChanged(const QModelIndex& current);
    void requestEditDialog(int row);
    void showCaption();

    Document& m_doc;
    QPointer<DocumentSignals> m_docSignals;  // the main window's, which may go first
    ChannelTableModel* m_model = nullptr;
    ChannelGridView* m_grid = nullptr;
    GroupChooser* m_chooser = nullptr;
    GroupSettingsPanel* m_settings = nullptr;
    QPushButton* m_editButton = nullptr;   // CommandCHInfoEdit
    QPushButton* m_helpButton = nullptr;   // CommandHelp
    QPushButton* m_closeButton = nullptr;  // CommandClose
    QString m_captionText;                 // text 14012, or 14050 after the texts were re-applied
    int m_gridRow = 1;
};
