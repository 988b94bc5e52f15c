#include "Form1.h"
#include "ProductionServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    platform::ProductionServices services;
    Form1 form;
    form.show();
    return QApplication::exec();
}
