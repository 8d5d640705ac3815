// The help window: the topic search, the help contexts and the links between pages.

#include "gui/help_window.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include "window_fixture.h"
#include "window_test_main.h"

namespace morvane::gui {
namespace {

QStringList VisibleTitles(const QListWidget* list) {
  QStringList titles;
  for (int row = 0; row < list->count(); ++row) {
    if (!list->item(row)->isHidden()) titles << list->item(row)->text();
  }
  return titles;
}

QString Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theWindowFitsOnTheScreenOfTheMainWindow() {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    // A main window near the bottom right corner, and one at the top left.
    for (const QPoint corner : {available.bottomRight() - QPoint(300, 200), available.topLeft()}) {
      QWidget mainWindow;
      mainWindow.setGeometry(QRect(corner, QSize(579, 411)));
      mainWindow.show();
      auto* help = new HelpWindow(&mainWindow);
      help->ShowSearch();
      QVERIFY(QTest::qWaitForWindowExposed(help));
      QVERIFY2(available.contains(help->frameGeometry()),
               qPrintable(QStringLiteral("%1,%2 %3x%4")
                              .arg(help->frameGeometry().x())
                              .arg(help->frameGeometry().y())
                              .arg(help->frameGeometry().width())
                              .arg(help->frameGeometry().height())));
      // Where the user leaves it, it stays, as long as it fits.
      help->hide();
      help->move(available.topLeft() + QPoint(10, 10));
      help->ShowSearch();
      QCOMPARE(help->pos(), available.topLeft() + QPoint(10, 10));
    }
  }

  void searchNarrowsTheTopicsAndEnterOpensTheFirst_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("firstTitle");
    QTest::addColumn<bool>("onlyOne");
    // A phrase only the alert's page has; the contents page lists every title but is
    // found by its own title only.
    QTest::newRow("phrase of one page") << "リネームファイルがすでに存在"
                                        << "同じ名前のファイルがあるとき" << true;
    QTest::newRow("case is ignored") << "morvane_home"
                                     << "設定ファイルと保存場所" << true;
    QTest::newRow("every word must occur") << "ユーザ指定なし　保護"
                                           << "設定ダイアログ" << true;
    QTest::newRow("many pages, list order") << "出力先フォルダ"
                                            << "基本の使い方" << false;
  }
  void searchNarrowsTheTopicsAndEnterOpensTheFirst() {
    QFETCH(QString, query);
    QFETCH(QString, firstTitle);
    QFETCH(bool, onlyOne);
    HelpWindow window;
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("edtHelpSearch"));
    auto* topics = window.findChild<QListWidget*>(QStringLiteral("lstHelpTopics"));
    QVERIFY(search && topics);
    const int all = VisibleTitles(topics).size();

    // Typed as a person types it, after Help > search topics.
    window.ShowSearch();
    morvane::test::GiveFocus(search);
    morvane::test::TypeKeys(query);
    const QStringList found = VisibleTitles(topics);
    QVERIFY(!found.isEmpty());
    QCOMPARE(found.first(), firstTitle);
    if (onlyOne) QCOMPARE(found.size(), 1);
    QVERIFY(found.size() < all);

    morvane::test::PressKey(Qt::Key_Return);
    QCOMPARE(window.CurrentTopicTitle(), firstTitle);
    QCOMPARE(topics->currentItem()->text(), firstTitle);

    search->clear();
    QCOMPARE(VisibleTitles(topics).size(), all);
  }

  void aSearchWithoutMatchKeepsThePageShown() {
    HelpWindow window;
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("edtHelpSearch"));
    window.ShowContext(HelpWindow::kOverwriteAlertContext);
    search->setText(QStringLiteral("どこにもない言葉xyz"));
    QVERIFY(VisibleTitles(window.findChild<QListWidget*>(QStringLiteral("lstHelpTopics"))).isEmpty());
    morvane::test::GiveFocus(search);
    morvane::test::PressKey(Qt::Key_Return);
    QCOMPARE(window.CurrentTopicTitle(), QStringLiteral("同じ名前のファイルがあるとき"));
  }

  void contextsOpenTheirTopicAndClearAnEarlierSearch() {
    HelpWindow window;
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("edtHelpSearch"));
    auto* topics = window.findChild<QListWidget*>(QStringLiteral("lstHelpTopics"));
    search->setText(QStringLiteral("目次"));

    window.ShowContext(HelpWindow::kOverwriteAlertContext);
    QVERIFY(window.isVisible());
    QCOMPARE(window.CurrentTopicTitle(), QStringLiteral("同じ名前のファイルがあるとき"));
    QVERIFY(search->text().isEmpty());
    QCOMPARE(topics->currentItem()->text(), window.CurrentTopicTitle());
    QVERIFY(!topics->currentItem()->isHidden());

    window.ShowContext(12345);
    QCOMPARE(window.CurrentTopicTitle(), QStringLiteral("目次"));
  }

  void searchCommandFocusesTheSearchField() {
    HelpWindow window;
    window.ShowSearch();
    QVERIFY(window.isVisible());
    QTRY_VERIFY(window.findChild<QLineEdit*>(QStringLiteral("edtHelpSearch"))->hasFocus());
  }

  void followingALinkSelectsItsTopic() {
    HelpWindow window;
    auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("txtHelpTopic"));
    auto* topics = window.findChild<QListWidget*>(QStringLiteral("lstHelpTopics"));
    browser->setSource(QUrl(QStringLiteral("qrc:/help/log.html")));
    QCOMPARE(topics->currentItem()->text(), window.CurrentTopicTitle());
    browser->backward();
    QCOMPARE(window.CurrentTopicTitle(), QStringLiteral("目次"));
    QCOMPARE(topics->currentItem()->text(), QStringLiteral("目次"));
  }

  // Every page is in the topic list, has a title, and every link inside the help leads
  // to a page (and a place on it) that exists.
  void everyPageIsListedAndNoLinkIsBroken() {
    HelpWindow window;
    auto* topics = window.findChild<QListWidget*>(QStringLiteral("lstHelpTopics"));
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
    QVERIFY(pages.size() > 5);
    QCOMPARE(topics->count(), pages.size());

    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (const QString& page : pages) {
      const QString html = Read(QStringLiteral(":/help/") + page);
      QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(page));
      for (const QRegularExpressionMatch& link : href.globalMatch(html)) {
        const QUrl url(link.captured(1));
        if (!url.scheme().isEmpty()) continue;  // outside the help
        const QString target = url.path().isEmpty() ? page : url.path();
        const QString where = page + QStringLiteral(" -> ") + link.captured(1);
        QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target), qPrintable(where));
        if (url.hasFragment()) {
          const QString anchor = QStringLiteral("id=\"%1\"").arg(url.fragment());
          QVERIFY2(Read(QStringLiteral(":/help/") + target).contains(anchor), qPrintable(where));
        }
      }
    }
  }
};

}  // namespace morvane::gui

MORVANE_WINDOW_TEST(morvane::gui::HelpWindowTest)
#include "help_window_test.moc"
