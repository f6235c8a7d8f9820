// The help viewer: a window of its own showing a help file with its contents, keyword index and search.
#pragma once

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
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// The help file is HTML. Its headings (h1 to h6) make the contents, its named anchors (<a name="...">)
// the keyword index, and the text under each heading is what the search looks through.
// The window belongs to no other window, so no dialog of the program, modal or not, blocks it.
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
    void ShowKeyword(QListWidgetItem* item);
    void ShowSearchResult(QListWidgetItem* item);

    QSplitter* splitter = nullptr;
    QTabWidget* tabs;
    QTreeWidget* contents;
    QLineEdit* indexField;
    QListWidget* index;
    QLineEdit* searchField;
    QListWidget* searchResults;
    QTextBrowser* text;
    std::vector<Section> sections;
    std::unique_ptr<QThread> loader; // while a large file is being read
};
