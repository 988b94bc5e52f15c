// A second program run for the settings tests: it starts the main window on a given
// settings folder and either edits every field and option ("edit") or prints what it
// restored ("show"). After "edit" it lets a quarter of a second pass, in which the store
// writes what changed, then reports and waits, so the test can kill it hard.

#include "CheckBox.h"
#include "Form1.h"
#include "TestServices.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

void edit(Form1& form)
{
    form.Text1->setText(QStringLiteral("-7"));
    form.Text2->setText(QStringLiteral("99"));
    form.Text3->setText(QStringLiteral("250"));
    form.Text4->setText(QStringLiteral("5"));
    form.Text5->setText(QStringLiteral("Week 3"));
    form.Check1->click();
    form.Check2->click();
    form.Check3->click();
    form.Check4->click();
    form.Check5->click();
    QEventLoop pause;
    QTimer::singleShot(250, &pause, &QEventLoop::quit);
    pause.exec();
    std::puts("edited");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

void show(const Form1& form)
{
    const QStringList values = {form.Text1->text(),
                                form.Text2->text(),
                                form.Text3->text(),
                                form.Text4->text(),
                                form.Text5->text(),
                                QString::number(form.Check1->value()),
                                QString::number(form.Check2->value()),
                                QString::number(form.Check3->value()),
                                QString::number(form.Check4->value()),
                                QString::number(form.Check5->value())};
    std::puts(qPrintable(values.join(QLatin1Char('|'))));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3)
        return 2;
    testing::TestServices services;
    settings::SettingsStore::Redirect store(arguments[2]);
    Form1 form;
    if (arguments[1] == QLatin1String("edit"))
        edit(form);
    show(form);
    return 0;
}
