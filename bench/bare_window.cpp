// The floor the toolkit sets: a bare window of the drill's size and caption
// with one label in the drill's Japanese font, and nothing else. The
// start-up benchmark compares the drill against it.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("密度の練習問題");
    window.setFixedSize(792, 573);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    // As the drill's title label: the same place, font and colours. The
    // font is the first of the drill's Gothic faces that is installed.
    QFont font;
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPAGothic",
                               "VL PGothic", "Noto Sans CJK JP"}) {
        if (installed.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPixelSize(32);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    auto* label = new QLabel("密度の練習問題", &window);
    label->setGeometry(8, 8, 241, 41);
    label->setFont(font);
    palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
    palette.setColor(QPalette::Window, QColor(0, 0, 192));
    label->setPalette(palette);
    label->setAutoFillBackground(true);

    window.show();
    return QApplication::exec();
}
