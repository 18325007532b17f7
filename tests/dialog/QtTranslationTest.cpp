#include <gtest/gtest.h>

#include <QCoreApplication>

#include "DialogTestSupport.h"
#include "QtTranslation.h"

TEST(QtTranslation, QtsOwnButtonsSpeakNorwegianUntilRemoved) {
  ASSERT_FALSE(QtTranslation::Install().isEmpty()) << "no Norwegian qtbase catalogue: scripts/setup installs "
                                                      "qt6-translations-l10n";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Avbryt"));
  QtTranslation::Remove();
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
