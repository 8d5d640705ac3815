#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QUrl;

namespace morvane::gui {

// The user's guide compiled into the program: a list of topics with a search field that
// narrows it, and the topic itself. One window per main window, hidden between uses.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // The help context of the overwrite alert's help button.
  static constexpr int kOverwriteAlertContext = 39;

  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the window with the search field focused (Help > search topics).
  void ShowSearch();
  // Shows the topic of a help context; an unknown context shows the contents.
  void ShowContext(int context);

  QString CurrentTopicTitle() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Topic {
    QString file;   // the page's name inside the help folder ("log.html")
    QString title;  // its <title>
    QString text;   // its plain text, for the search
  };

  void LoadTopics();
  void FilterTopics(const QString& query);
  void OpenFirstMatch();
  void OpenTopic(const QString& file);
  void SelectTopicOf(const QUrl& source);
  void HighlightSearchWords();
  void BringToFront();
  // Sizes and places the window so that it fits on the screen of the main window:
  // centred on the main window the first time, where the user left it afterwards.
  void FitOnScreen();

  static constexpr QSize kPreferredSize{800, 560};
  // Room for a title bar and borders before the window manager tells their size.
  static constexpr int kFrameAllowance = 40;

  std::vector<Topic> m_topics;
  QLineEdit* m_search = nullptr;
  QListWidget* m_topicList = nullptr;
  QTextBrowser* m_browser = nullptr;
  bool m_placed = false;
};

// Renders a help window at the topic of a help context into a PNG file (for the
// screenshots of the program); false when the file cannot be written.
bool SaveHelpWindowScreenshot(const QString& file, int context = HelpWindow::kOverwriteAlertContext);

}  // namespace morvane::gui
