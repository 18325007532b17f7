#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

std::unique_ptr<QTranslator> g_translator;

}  // namespace

QString QtTranslation::Install() {
  Remove();
  auto translator = std::make_unique<QTranslator>();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* name : {"qtbase_nb", "qtbase_nn"}) {
    if (!translator->load(QString::fromLatin1(name), folder)) continue;
    QCoreApplication::installTranslator(translator.get());
    g_translator = std::move(translator);
    return QString::fromLatin1(name);
  }
  return {};
}

void QtTranslation::Remove() {
  if (!g_translator) return;
  QCoreApplication::removeTranslator(g_translator.get());
  g_translator.reset();
}
