#pragma once
// Qt's own texts (file dialogs, message boxes, standard buttons) in
// Norwegian, from the translations Qt ships (Debian qt6-translations-l10n).
// Qt ships no bokmål catalogue for qtbase on Debian 12, only nynorsk, which
// shares the words of these dialogs ("Avbryt", "Lagre som"); bokmål is
// taken when present. Without either, Qt stays in English.

#include <QString>

class QtTranslation {
 public:
  // Installs the translator into the application; the name of the loaded
  // catalogue ("qtbase_nb" or "qtbase_nn"), empty when none could be loaded.
  static QString Install();
  // Takes the translator out again, before the application or the library
  // that installed it goes.
  static void Remove();
};
