#include "gui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace morvane::gui {

bool InstallQtTranslations(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace morvane::gui
