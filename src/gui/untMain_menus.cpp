// The pop-up menus of the main window: the mode menu of the status bar, the target
// list's menu and the three preview history menus of the preview line.
#include <QMenu>

#include "gui/untMain.h"

namespace morvane::gui {
namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QMenu* NewMenu(QWidget* parent, const char* name) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

// A disabled item shown only while the history is empty.
QAction* AddPlaceholder(QMenu* menu, const char* name, const QString& caption) {
  QAction* placeholder = AddItem(menu, name, caption);
  placeholder->setEnabled(false);
  return placeholder;
}

}  // namespace

void TfrmMain::CreatePopupMenus() {
  pmnFunction = NewMenu(this, "pmnFunction");
  pmnRename = AddItem(pmnFunction, "pmnRename", QStringLiteral("リネーム機能(&R)"));
  pmnChgExt = AddItem(pmnFunction, "pmnChgExt", QStringLiteral("拡張子一括変換機能(&E)"));
  pmnULCase = AddItem(pmnFunction, "pmnULCase", QStringLiteral("大文字・小文字一括変換機能(&U)"));
  pmnChangeStr = AddItem(pmnFunction, "pmnChangeStr", QStringLiteral("特定文字列変換機能(&C)"));
  pmnAddStr = AddItem(pmnFunction, "pmnAddStr", QStringLiteral("文字列追加機能(&A)"));
  for (QAction* item : pmnFunction->actions()) item->setCheckable(true);
  pmnRename->setChecked(true);

  pmnChoiceFile = NewMenu(this, "pmnChoiceFile");
  pmnCFStartProcess =
      AddItem(pmnChoiceFile, "pmnCFStartProcess", QStringLiteral("アプリケーションから開く(&O)..."));
  pmnChoiceFile->setDefaultAction(pmnCFStartProcess);
  pmnChoiceFile->addSeparator();
  pmnCFSelectFileDel = AddItem(pmnChoiceFile, "pmnCFSelectFileDel", QStringLiteral("リストから外す(&R)"));
  pmnCFListClear = AddItem(pmnChoiceFile, "pmnCFListClear", QStringLiteral("リストをクリア(&C)"));
  pmnChoiceFile->addSeparator();
  pmnCFListToTop = AddItem(pmnChoiceFile, "pmnCFListToTop", QStringLiteral("一番上へ(&T)"));
  pmnCFListUp = AddItem(pmnChoiceFile, "pmnCFListUp", QStringLiteral("一つ上へ(&U)"));
  pmnCFListDown = AddItem(pmnChoiceFile, "pmnCFListDown", QStringLiteral("一つ下へ(&D)"));
  pmnCFListToBottom = AddItem(pmnChoiceFile, "pmnCFListToBottom", QStringLiteral("一番下へ(&B)"));
  // The list starts empty: nothing to open, remove, clear or move.
  for (QAction* item : pmnChoiceFile->actions()) item->setEnabled(false);

  const QString noHistory = QStringLiteral("履歴なし");
  pmnPreViewList = NewMenu(this, "pmnPreViewList");
  pmnPVListItem = AddPlaceholder(pmnPreViewList, "pmnPVListItem", noHistory);
  pmnChgStrPVList = NewMenu(this, "pmnChgStrPVList");
  pmnChgStrPVListItem = AddPlaceholder(pmnChgStrPVList, "pmnChgStrPVListItem", noHistory);
  pmnAddStrPVList = NewMenu(this, "pmnAddStrPVList");
  pmnAddStrPVListItem = AddPlaceholder(pmnAddStrPVList, "pmnAddStrPVListItem", noHistory);
}

}  // namespace morvane::gui
