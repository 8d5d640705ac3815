#include "gui/help_window.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/program_icon.h"

namespace morvane::gui {
namespace {

// The pages in the order of the topic list; the first one is the contents.
constexpr const char* kTopicFiles[] = {
    "index.html",          "quick-start.html",     "target-list.html",     "mode-rename.html",
    "mode-extension.html", "mode-case.html",       "mode-replace.html",    "mode-add.html",
    "mode-convert.html",   "output-folder.html",   "overwrite-alert.html", "log.html",
    "undo.html",           "preview-history.html", "presets.html",         "settings.html",
    "files.html",
};

// Help contexts that other windows open by number.
struct ContextTopic {
  int context;
  const char* file;
};
constexpr ContextTopic kContextTopics[] = {
    {HelpWindow::kOverwriteAlertContext, "overwrite-alert.html"},
};

const char kHelpFolder[] = "qrc:/help/";

QString ReadResource(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

QString TitleOf(const QString& html) {
  static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                        QRegularExpression::DotMatchesEverythingOption);
  return title.match(html).captured(1).trimmed();
}

// Words separated by blanks, the ideographic space included (typed with a Japanese
// input method on).
QStringList SearchWords(const QString& query) {
  static const QRegularExpression blanks(QStringLiteral("[\\s\\x{3000}]+"));
  return query.split(blanks, Qt::SkipEmptyParts);
}

QString FileOf(const QListWidgetItem* item) { return item->data(Qt::UserRole).toString(); }

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  EnsureProgramResources();
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Morvane ヘルプ"));
  setWindowIcon(ProgramIcon());
  resize(kPreferredSize);

  m_search = new QLineEdit(this);
  m_search->setObjectName(QStringLiteral("edtHelpSearch"));
  m_search->setPlaceholderText(QStringLiteral("トピックを検索"));
  m_search->setToolTip(
      QStringLiteral("入力した言葉を含むトピックだけを一覧に残します。Enter で最初のトピックを開きます。"));
  m_search->setClearButtonEnabled(true);
  m_search->installEventFilter(this);

  m_topicList = new QListWidget(this);
  m_topicList->setObjectName(QStringLiteral("lstHelpTopics"));
  m_topicList->setSpacing(2);

  m_browser = new QTextBrowser(this);
  m_browser->setObjectName(QStringLiteral("txtHelpTopic"));
  m_browser->setOpenExternalLinks(true);
  m_browser->document()->setDefaultStyleSheet(ReadResource(QStringLiteral(":/help/help.css")));

  auto* back = new QToolButton(this);
  back->setText(QStringLiteral("戻る"));
  back->setEnabled(false);
  auto* forward = new QToolButton(this);
  forward->setText(QStringLiteral("進む"));
  forward->setEnabled(false);
  auto* contents = new QToolButton(this);
  contents->setText(QStringLiteral("目次"));
  connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(m_browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
  connect(contents, &QToolButton::clicked, this, [this] { OpenTopic(QLatin1String(kTopicFiles[0])); });

  auto* topicsPane = new QWidget(this);
  auto* topicsLayout = new QVBoxLayout(topicsPane);
  topicsLayout->setContentsMargins(0, 0, 0, 0);
  topicsLayout->addWidget(m_search);
  topicsLayout->addWidget(m_topicList);

  auto* pagePane = new QWidget(this);
  auto* pageLayout = new QVBoxLayout(pagePane);
  pageLayout->setContentsMargins(0, 0, 0, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addWidget(contents);
  buttons->addStretch();
  pageLayout->addLayout(buttons);
  pageLayout->addWidget(m_browser);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(topicsPane);
  splitter->addWidget(pagePane);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 580});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);

  LoadTopics();
  connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::FilterTopics);
  connect(m_search, &QLineEdit::returnPressed, this, &HelpWindow::OpenFirstMatch);
  connect(m_topicList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item == nullptr) return;
    OpenTopic(FileOf(item));
    HighlightSearchWords();
  });
  connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectTopicOf);
  OpenTopic(QLatin1String(kTopicFiles[0]));
}

void HelpWindow::LoadTopics() {
  for (const char* file : kTopicFiles) {
    const QString html = ReadResource(QStringLiteral(":/help/") + QLatin1String(file));
    Topic topic{QLatin1String(file), TitleOf(html), {}};
    // The contents page names every topic; searching its text would make it match
    // nearly every query, so only its title counts.
    if (topic.file != QLatin1String(kTopicFiles[0]))
      topic.text = QTextDocumentFragment::fromHtml(html).toPlainText();
    auto* item = new QListWidgetItem(topic.title, m_topicList);
    item->setData(Qt::UserRole, topic.file);
    m_topics.push_back(std::move(topic));
  }
}

void HelpWindow::FilterTopics(const QString& query) {
  const QStringList words = SearchWords(query);
  for (int row = 0; row < m_topicList->count(); ++row) {
    const Topic& topic = m_topics[static_cast<size_t>(row)];
    bool matches = true;
    for (const QString& word : words) {
      matches = matches && (topic.title.contains(word, Qt::CaseInsensitive) ||
                            topic.text.contains(word, Qt::CaseInsensitive));
    }
    m_topicList->item(row)->setHidden(!matches);
  }
}

void HelpWindow::OpenFirstMatch() {
  for (int row = 0; row < m_topicList->count(); ++row) {
    if (!m_topicList->item(row)->isHidden()) {
      m_topicList->setCurrentRow(row);
      OpenTopic(FileOf(m_topicList->item(row)));
      HighlightSearchWords();
      return;
    }
  }
}

void HelpWindow::OpenTopic(const QString& file) {
  const QUrl source(QLatin1String(kHelpFolder) + file);
  if (m_browser->source() != source) m_browser->setSource(source);
}

// Keeps the list on the page shown, whichever way it was reached (a link, back, forward).
void HelpWindow::SelectTopicOf(const QUrl& source) {
  const QString file = source.fileName();
  for (int row = 0; row < m_topicList->count(); ++row) {
    if (FileOf(m_topicList->item(row)) == file) {
      const QSignalBlocker quiet(m_topicList);
      m_topicList->setCurrentRow(row);
      return;
    }
  }
}

// Marks the first place of the first search word, so that the reader sees why the page
// was found.
void HelpWindow::HighlightSearchWords() {
  const QStringList words = SearchWords(m_search->text());
  if (words.isEmpty()) return;
  m_browser->moveCursor(QTextCursor::Start);
  m_browser->find(words.first());
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  // Down in the search field steps into the list of what it found.
  if (watched == m_search && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
    m_topicList->setFocus();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void HelpWindow::ShowSearch() {
  BringToFront();
  m_search->setFocus(Qt::ShortcutFocusReason);
  m_search->selectAll();
}

void HelpWindow::ShowContext(int context) {
  QString file = QLatin1String(kTopicFiles[0]);
  for (const ContextTopic& topic : kContextTopics) {
    if (topic.context == context) file = QLatin1String(topic.file);
  }
  // A filter left from an earlier search could hide the topic in the list.
  m_search->clear();
  OpenTopic(file);
  BringToFront();
}

QString HelpWindow::CurrentTopicTitle() const { return m_browser->documentTitle(); }

void HelpWindow::BringToFront() {
  if (isMinimized()) showNormal();
  if (!isVisible()) FitOnScreen();
  show();
  raise();
  activateWindow();
}

void HelpWindow::FitOnScreen() {
  const QWidget* anchor = parentWidget() ? parentWidget()->window() : nullptr;
  const QScreen* screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  // The window manager's frame is known only once the window has been shown: until then
  // leave room for one.
  const QSize strut = frameGeometry().size() - size();
  const QSize frame = strut.isEmpty() ? QSize(kFrameAllowance, kFrameAllowance) : strut;
  resize((m_placed ? size() : kPreferredSize).boundedTo(available.size() - frame));
  QRect outer(QPoint(), size() + frame);
  if (m_placed) {
    outer.moveTopLeft(pos());
  } else {
    outer.moveCenter(anchor ? anchor->frameGeometry().center() : available.center());
  }
  // Within the screen: first its right and bottom edges, then its left and top ones.
  outer.moveRight(std::min(outer.right(), available.right()));
  outer.moveBottom(std::min(outer.bottom(), available.bottom()));
  outer.moveLeft(std::max(outer.left(), available.left()));
  outer.moveTop(std::max(outer.top(), available.top()));
  move(outer.topLeft());
  m_placed = true;
}

bool SaveHelpWindowScreenshot(const QString& file, int context) {
  HelpWindow window;
  window.ShowContext(context);
  QApplication::processEvents();
  return window.grab().save(file);
}

}  // namespace morvane::gui
