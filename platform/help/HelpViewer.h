// The help viewer: a window of its own showing a help file with its contents, keyword index and search.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

class QLineEdit;
class QTextDocument;
class QThread;
class QUrl;
class QListWidget;
class QListWidgetItem;
class QSplitter;
class QTabWidget;
class QTextCursor;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The help file is HTML. Its headings (h1 to h6) make the contents, its named anchors (<a name="...">)
// the keyword index, and the text under each heading is what the search looks through.
// The window belongs to no other window, so no dialog of the program, modal or not, blocks it.
//
// The text is read as a document, from the keyboard as with a screen reader: it has a caret that the arrows
// and Page Up and Down move. Moving through the contents shows each section; choosing an entry of the
// contents or the index, or a search hit (Enter, or a double click), puts the caret on its place and the
// keyboard in the text, where a screen reader reads on from the caret. Escape closes the viewer and gives the
// keyboard back to the window it was opened beside.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer();
    ~HelpViewer() override;

    // Reads the file and shows it from its start, with the contents in front, raised and active and the
    // focus on the contents; a large file shows once it has been read, without holding up the program
    // meanwhile. Opened anew, the viewer stands beside the given window where the screen has room, else
    // over the rest of it but clear of inView (in screen coordinates; the whole window when empty), and
    // always whole on the screen. Returns false, changing nothing, when the file cannot be read.
    bool ShowContents(const QString& helpFilePath, const QWidget* beside = nullptr, const QRect& inView = QRect());

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A heading and the text beneath it, up to the next heading.
    struct Section {
        QString title;
        int level;
        int position; // of the heading in the document
        QString text;
    };

    // Files up to this many characters are read at once; larger ones on a thread of their own.
    static constexpr int ReadAtOnceLimit = 1 << 20;

    // Builds the document from the file's text; runs on any thread.
    static QTextDocument* ReadDocument(const QString& html, const QUrl& base);
    // Shows a read document from its start, with its contents and index; takes it over.
    void ShowDocument(QTextDocument* document, const QString& fileName);
    void ShowWindow();
    void PlaceBeside(const QWidget* window, const QRect& inView);
    void BuildSections();
    void FillContents();
    void FillIndex();
    void ShowSearchResults(const QString& words);
    void SelectKeyword(const QString& prefix);
    void ShowPosition(int position);
    // Shows the caret's place at the top of the text; when read, also gives the text the keyboard with the
    // caret there (only then: a caret that moved unseen would have a screen reader miss the text's focus).
    void GoTo(const QTextCursor& caret, bool read);
    // Where the document names anchor, or -1.
    int AnchorPosition(const QString& anchor) const;
    void ShowKeyword(QListWidgetItem* item, bool read);
    void ShowSearchResult(QListWidgetItem* item, bool read);

    QSplitter* splitter = nullptr;
    QTabWidget* tabs;
    QTreeWidget* contents;
    QLineEdit* indexField;
    QListWidget* index;
    QLineEdit* searchField;
    QListWidget* searchResults;
    QTextEdit* text;
    std::vector<Section> sections;
    std::unique_ptr<QThread> loader; // while a large file is being read
    // The window the viewer was last opened beside, which has the keyboard back when the viewer closes.
    QPointer<QWidget> opener;
};
