// The help viewer: a window of its own showing a help file with its contents, keyword index and search.
#include "HelpViewer.h"

#include "HelpPlacement.h"

#include <QAbstractTextDocumentLayout>
#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextDocument>
#include <QThread>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int TargetRole = Qt::UserRole;

// The viewer's size when it first opens, and the least it is read at beside a window with little room.
constexpr QSize PreferredSize(780, 540);
constexpr QSize SmallestSize(240, 240);
// Narrower than this, the contents stand above the text instead of beside it.
constexpr int SideBySideWidth = 560;

// A page of the left pane: a prompt, a field to type into and the list it drives.
QWidget* FieldPage(const QString& prompt, QLineEdit* field, QListWidget* list)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(prompt);
    label->setWordWrap(true);
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addWidget(list);
    // Typing on the page goes to its field.
    page->setFocusProxy(field);
    return page;
}

// The words typed into the search field.
QStringList SearchTerms(const QString& words)
{
    return words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// In the order of the language spoken (QLocale's default), as an index of that language is sorted.
QStringList AnchorNames(const QTextDocument& document)
{
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            names += fragment.fragment().charFormat().anchorNames();
    names.removeDuplicates();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
    return names;
}

} // namespace

HelpViewer::HelpViewer()
    : QWidget(nullptr, Qt::Window),
      tabs(new QTabWidget),
      contents(new QTreeWidget),
      indexField(new QLineEdit),
      index(new QListWidget),
      searchField(new QLineEdit),
      searchResults(new QListWidget),
      text(new QTextEdit)
{
    // Closing the viewer hides it; it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Named for the keyboard's accessibility tools and for the program's checks.
    tabs->setObjectName(QStringLiteral("tabs"));
    contents->setObjectName(QStringLiteral("contents"));
    indexField->setObjectName(QStringLiteral("indexField"));
    index->setObjectName(QStringLiteral("index"));
    searchField->setObjectName(QStringLiteral("searchField"));
    searchResults->setObjectName(QStringLiteral("searchResults"));
    text->setObjectName(QStringLiteral("text"));
    contents->setHeaderHidden(true);
    tabs->addTab(contents, tr("&Contents"));
    tabs->addTab(FieldPage(tr("&Type the first few letters of the word you are looking for:"), indexField, index),
                 tr("&Index"));
    tabs->addTab(FieldPage(tr("Type the &words to find:"), searchField, searchResults), tr("&Search"));
    // Read, never written: the text with a caret to read by, as a document has, which a screen reader takes
    // for a text it reads line by line and on from the caret (the toolkit presents a browser's text as one
    // label, read whole).
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    splitter = new QSplitter;
    splitter->addWidget(tabs);
    splitter->addWidget(text);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(PreferredSize);

    // Looking shows a place; choosing it goes there to read.
    const auto showContentsItem = [this](QTreeWidgetItem* item, bool read) {
        if (!item)
            return;
        QTextCursor caret(text->document());
        caret.setPosition(item->data(0, TargetRole).toInt());
        GoTo(caret, read);
    };
    connect(tabs, &QTabWidget::currentChanged, this, [this] { tabs->currentWidget()->setFocus(Qt::TabFocusReason); });
    connect(contents, &QTreeWidget::currentItemChanged, this,
            [showContentsItem](QTreeWidgetItem* item) { showContentsItem(item, false); });
    connect(contents, &QTreeWidget::itemClicked, this,
            [showContentsItem](QTreeWidgetItem* item) { showContentsItem(item, false); });
    connect(contents, &QTreeWidget::itemActivated, this,
            [showContentsItem](QTreeWidgetItem* item) { showContentsItem(item, true); });

    connect(indexField, &QLineEdit::textEdited, this, &HelpViewer::SelectKeyword);
    connect(indexField, &QLineEdit::returnPressed, this, [this] { ShowKeyword(index->currentItem(), true); });
    connect(index, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ShowKeyword(item, false); });
    connect(index, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { ShowKeyword(item, true); });

    connect(searchField, &QLineEdit::textChanged, this, &HelpViewer::ShowSearchResults);
    connect(searchField, &QLineEdit::returnPressed, this, [this] { ShowSearchResult(searchResults->item(0), true); });
    connect(searchResults, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ShowSearchResult(item, false); });
    connect(searchResults, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { ShowSearchResult(item, true); });

    // Whatever holds the keyboard in the viewer.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

bool HelpViewer::ShowContents(const QString& helpFilePath, const QWidget* beside, const QRect& inView)
{
    QFile file(helpFilePath);
    if (!QFileInfo(helpFilePath).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    if (!isVisible())
        PlaceBeside(beside, inView);
    opener = beside ? const_cast<QWidget*>(beside->window()) : nullptr;
    if (loader) {
        // Still reading the file asked for before: it shows when it is read.
        ShowWindow();
        return true;
    }
    QString html = QString::fromUtf8(file.readAll());
    const QUrl base = QUrl::fromLocalFile(helpFilePath);
    const QString fileName = QFileInfo(helpFilePath).fileName();
    if (html.size() <= ReadAtOnceLimit) {
        ShowDocument(ReadDocument(html, base), fileName);
    } else {
        // A large file is read on a thread of its own, so that the game goes on meanwhile.
        text->setPlainText(tr("Reading %1...").arg(fileName));
        // The document belongs to whichever holds it last: the viewer once it shows it, else the thread or
        // the call that would have shown it, so that a viewer closed while the file is read leaks nothing.
        auto read = std::make_shared<std::unique_ptr<QTextDocument>>();
        loader.reset(QThread::create([this, html = std::move(html), base, fileName, read]() mutable {
            read->reset(ReadDocument(html, base));
            (*read)->moveToThread(thread());
            QMetaObject::invokeMethod(this, [this, read, fileName] {
                loader->wait();
                loader.reset();
                ShowDocument(read->release(), fileName);
            }, Qt::QueuedConnection);
        }));
        loader->start();
    }
    ShowWindow();
    return true;
}

HelpViewer::~HelpViewer()
{
    if (loader)
        loader->wait();
}

QTextDocument* HelpViewer::ReadDocument(const QString& html, const QUrl& base)
{
    auto* document = new QTextDocument;
    document->setBaseUrl(base);
    document->setHtml(html);
    return document;
}

void HelpViewer::ShowDocument(QTextDocument* document, const QString& fileName)
{
    // The text releases its own first document itself; the ones read here belong to the viewer.
    QTextDocument* old = text->document();
    const bool readHere = old && old->parent() == text;
    document->setParent(text);
    text->setDocument(document);
    if (readHere)
        delete old;
    const QString title = text->documentTitle();
    setWindowTitle(title.isEmpty() ? fileName : title);

    BuildSections();
    FillContents();
    FillIndex();
    searchField->clear();
    tabs->setCurrentWidget(contents);
    contents->setCurrentItem(contents->topLevelItem(0));
    text->verticalScrollBar()->setValue(0);
}

void HelpViewer::ShowWindow()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    // The first key the player presses moves through the contents.
    contents->setFocus(Qt::ActiveWindowFocusReason);
}

void HelpViewer::PlaceBeside(const QWidget* window, const QRect& inView)
{
    if (!window || !window->isVisible())
        return;
    const QRect game = window->frameGeometry();
    const QScreen* screen = window->screen();
    // The frame the window manager adds around the viewer, as it adds one around the game.
    const QRect client = window->geometry();
    const QMargins frame(client.left() - game.left(), client.top() - game.top(), game.right() - client.right(),
                         game.bottom() - client.bottom());
    const HelpPlacement placement{screen ? screen->availableGeometry() : game, game,
                                  inView.isValid() ? inView : game, size(), SmallestSize, frame};
    const QRect place = placement.Frame();
    resize(place.size().shrunkBy(frame));
    move(place.topLeft());
}

void HelpViewer::resizeEvent(QResizeEvent* event)
{
    const Qt::Orientation orientation = width() < SideBySideWidth ? Qt::Vertical : Qt::Horizontal;
    if (orientation != splitter->orientation()) {
        splitter->setOrientation(orientation);
        // The text gets two thirds of the room either way.
        const int room = orientation == Qt::Vertical ? height() : width();
        splitter->setSizes({room / 3, room - room / 3});
    }
    QWidget::resizeEvent(event);
}

void HelpViewer::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // Hidden, the viewer hands the keyboard back to the window the player came from, with or without a window
    // manager to do it.
    if (opener && opener->isVisible()) {
        opener->raise();
        opener->activateWindow();
    }
}

void HelpViewer::BuildSections()
{
    sections.clear();
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level > 0)
            sections.push_back({block.text().simplified(), level, block.position(), QString()});
        else if (!sections.empty())
            sections.back().text += block.text() + QLatin1Char('\n');
    }
}

void HelpViewer::FillContents()
{
    contents->clear();
    // The open headings above the one being added, outermost first.
    std::vector<std::pair<int, QTreeWidgetItem*>> open;
    for (const Section& section : sections) {
        while (!open.empty() && open.back().first >= section.level)
            open.pop_back();
        auto* item = open.empty() ? new QTreeWidgetItem(contents) : new QTreeWidgetItem(open.back().second);
        item->setText(0, section.title);
        item->setData(0, TargetRole, section.position);
        open.emplace_back(section.level, item);
    }
    contents->expandAll();
}

void HelpViewer::FillIndex()
{
    index->clear();
    indexField->clear();
    for (const QString& name : AnchorNames(*text->document())) {
        auto* item = new QListWidgetItem(name, index);
        item->setData(TargetRole, name);
    }
}

void HelpViewer::SelectKeyword(const QString& prefix)
{
    for (int row = 0; row < index->count(); ++row)
        if (index->item(row)->text().startsWith(prefix.trimmed(), Qt::CaseInsensitive)) {
            index->setCurrentRow(row);
            index->scrollToItem(index->item(row), QAbstractItemView::PositionAtTop);
            return;
        }
}

void HelpViewer::ShowSearchResults(const QString& words)
{
    searchResults->clear();
    const QStringList terms = SearchTerms(words);
    if (terms.isEmpty())
        return;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const QString searched = sections[i].title + QLatin1Char('\n') + sections[i].text;
        const bool all = std::all_of(terms.begin(), terms.end(), [&searched](const QString& term) {
            return searched.contains(term, Qt::CaseInsensitive);
        });
        if (all) {
            auto* item = new QListWidgetItem(sections[i].title, searchResults);
            item->setData(TargetRole, static_cast<int>(i));
        }
    }
}

void HelpViewer::ShowPosition(int position)
{
    const QTextBlock block = text->document()->findBlock(position);
    const QRectF area = text->document()->documentLayout()->blockBoundingRect(block);
    text->verticalScrollBar()->setValue(static_cast<int>(area.top()));
}

void HelpViewer::GoTo(const QTextCursor& caret, bool read)
{
    ShowPosition(caret.block().position());
    if (!read)
        return;
    // The keyboard first, then the caret, in one turn: a screen reader that takes the focus reads the line the
    // caret is on by then, and is told of no caret move in a text it has not come to yet.
    text->setFocus(Qt::OtherFocusReason);
    text->setTextCursor(caret);
    text->ensureCursorVisible();
}

int HelpViewer::AnchorPosition(const QString& anchor) const
{
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().anchorNames().contains(anchor))
                return fragment.fragment().position();
    return -1;
}

void HelpViewer::ShowKeyword(QListWidgetItem* item, bool read)
{
    if (!item)
        return;
    const int position = AnchorPosition(item->data(TargetRole).toString());
    if (position < 0)
        return;
    // From the start of the paragraph the keyword names.
    QTextCursor caret(text->document());
    caret.setPosition(text->document()->findBlock(position).position());
    GoTo(caret, read);
}

void HelpViewer::ShowSearchResult(QListWidgetItem* item, bool read)
{
    if (!item)
        return;
    const Section& section = sections[item->data(TargetRole).toInt()];
    const QString firstTerm = SearchTerms(searchField->text()).value(0);
    // The section from its heading, with the first place the words occur selected and in view.
    const QTextCursor found = text->document()->find(firstTerm, section.position);
    QTextCursor heading(text->document());
    heading.setPosition(section.position);
    GoTo(heading, false);
    if (!found.isNull())
        GoTo(found, read);
}
