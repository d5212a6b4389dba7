// SPDX-License-Identifier: MIT
#include "qt/language.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QStringList menuTexts(QLineEdit &box)
{
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text().remove(u'&').section(u'\t', 0, 0));
    }
    return texts;
}

} // namespace

class TestQtTexts : public QObject
{
    Q_OBJECT

private slots:
    void missingCatalogueChangesNothing();
    void qtTextsAreBulgarian();
};

void TestQtTexts::missingCatalogueChangesNothing()
{
    QLineEdit box;
    const QStringList textsBefore = menuTexts(box);
    const QLocale localeBefore;

    const QTemporaryDir emptyFolder;
    QVERIFY(!installQtTexts(*qApp, "bg", emptyFolder.path()));

    QCOMPARE(menuTexts(box), textsBefore);
    QCOMPARE(QLocale(), localeBefore);
}

void TestQtTexts::qtTextsAreBulgarian()
{
    QVERIFY(installQtTexts(*qApp, "bg"));

    QLineEdit box;
    const QStringList texts = menuTexts(box);
    QVERIFY2(texts.contains(QStringLiteral("Копиране")), qPrintable(texts.join(u'|')));
    QVERIFY2(texts.contains(QStringLiteral("Избиране на всичко")), qPrintable(texts.join(u'|')));

    QMessageBox box2(QMessageBox::Critical, QStringLiteral("t"), QStringLiteral("m"), QMessageBox::Ok);
    const QString ok = box2.button(QMessageBox::Ok)->text().remove(u'&');
    QVERIFY2(ok != QStringLiteral("OK"), qPrintable(ok));
}

QTEST_MAIN(TestQtTexts)
#include "tst_qttexts.moc"
