// The yardstick of the start-up benchmark: the smallest Qt dialog this build can make, with
// one label and one button, timed from outside the same way as the calculator window.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("A bare Qt dialog"), &dialog));
    auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(button);
    dialog.show();
    return QApplication::exec();
}
