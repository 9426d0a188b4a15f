// Renders sample windows under the skin into one picture, to judge the skin by eye.
// Usage: preview_skin SKIN_FILE OUT.png
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdio>

namespace {

QDialog* settingsLikeWindow()
{
    auto* window = new QDialog;
    window->setObjectName("frmSettings");
    auto* layout = new QHBoxLayout(window);
    auto* pages = new QListWidget;
    pages->addItems({"General", "Clock", "Language"});
    pages->setCurrentRow(1);
    pages->setFixedWidth(100);
    layout->addWidget(pages);
    auto* column = new QVBoxLayout;
    layout->addLayout(column);
    auto* group = new QGroupBox("Clock");
    auto* form = new QVBoxLayout(group);
    form->addWidget(new QRadioButton("Free clock"));
    auto* analog = new QRadioButton("Analog clock");
    analog->setChecked(true);
    form->addWidget(analog);
    auto* autorun = new QCheckBox("Run application on Windows load");
    autorun->setChecked(true);
    form->addWidget(autorun);
    auto* row = new QHBoxLayout;
    auto* spin = new QSpinBox;
    spin->setValue(10);
    row->addWidget(spin);
    auto* disabledSpin = new QSpinBox;
    disabledSpin->setEnabled(false);
    row->addWidget(disabledSpin);
    auto* units = new QComboBox;
    units->addItems({"Minutes", "Hours"});
    row->addWidget(units);
    form->addLayout(row);
    auto* title = new QLabel("Task title");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    QPalette green = title->palette();
    green.setColor(QPalette::WindowText, QColor(0, 64, 0));
    title->setPalette(green);
    form->addWidget(title);
    auto* edit = new QLineEdit("Input title of action...");
    form->addWidget(edit);
    form->addWidget(new QDateEdit(QDate(2025, 3, 14)));
    auto* memo = new QPlainTextEdit("A description\nover two lines");
    memo->setFixedHeight(44);
    form->addWidget(memo);
    column->addWidget(group);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(new QPushButton("Help"));
    buttons->addWidget(new QPushButton("Cancel"));
    auto* ok = new QPushButton("OK");
    ok->setDefault(true);
    buttons->addWidget(ok);
    column->addLayout(buttons);
    return window;
}

QDialog* listLikeWindow()
{
    auto* window = new QDialog;
    window->setObjectName("frmToDoList");
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar;
    for (const char* text : {"Edit", "New", "Delete"}) {
        auto* button = new QToolButton;
        button->setText(text);
        bar->addWidget(button);
    }
    auto* toggle = new QToolButton;
    toggle->setText("Family");
    toggle->setCheckable(true);
    toggle->setChecked(true);
    bar->addWidget(toggle);
    layout->addWidget(bar);
    auto* grid = new QTableWidget(4, 3);
    grid->setHorizontalHeaderLabels({"Date - Time", "Title", "Active time"});
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, QColor(238, 238, 238));
    palette.setColor(QPalette::Text, QColor(0, 83, 0));
    grid->setPalette(palette);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            grid->setItem(r, c, new QTableWidgetItem(QString("row %1").arg(r + 1)));
    grid->verticalHeader()->hide();
    grid->setFixedHeight(120);
    layout->addWidget(grid);
    auto* tabs = new QTabWidget;
    tabs->addTab(new QLabel("  First page"), "Phones");
    tabs->addTab(new QLabel("  Second"), "Addresses");
    tabs->setFixedHeight(70);
    layout->addWidget(tabs);
    return window;
}

QWidget* clockLikeWindow()
{
    auto* window = new QWidget;
    window->setObjectName("frmClock");
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(155, 202, 15));
    window->setPalette(palette);
    auto* layout = new QVBoxLayout(window);
    auto* label = new QLabel("15:15:15");
    label->setObjectName("lbClock");
    QFont font = label->font();
    font.setPointSize(20);
    font.setBold(true);
    label->setFont(font);
    layout->addWidget(label);
    return window;
}

QImage grab(QWidget* widget)
{
    widget->ensurePolished();
    widget->adjustSize();
    widget->show();
    QApplication::processEvents();
    return widget->grab().toImage();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: preview_skin SKIN_FILE OUT.png\n");
        return 2;
    }
    QFile skin(QString::fromLocal8Bit(argv[1]));
    if (!skin.open(QIODevice::ReadOnly))
        return 1;
    application.setStyleSheet(QString::fromUtf8(skin.readAll()));

    QMenu menu;
    QMenu* create = menu.addMenu("Create");
    create->addAction("To do");
    menu.addAction("Address book");
    menu.addSeparator();
    menu.addAction("Setting");
    menu.addAction("Exit");
    menu.setActiveAction(menu.actions().at(1));

    QCalendarWidget calendar;
    calendar.setSelectedDate(QDate(2025, 3, 14));
    calendar.setFixedSize(190, 136);

    const QList<QImage> shots = {grab(settingsLikeWindow()), grab(listLikeWindow()), grab(&menu), grab(&calendar),
                                 grab(clockLikeWindow())};
    int width = 0;
    int height = 0;
    for (const QImage& shot : shots) {
        width += shot.width() + 10;
        height = std::max(height, shot.height());
    }
    QImage sheet(width + 10, height + 20, QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 100));
    QPainter painter(&sheet);
    int x = 10;
    for (const QImage& shot : shots) {
        painter.drawImage(x, 10, shot);
        x += shot.width() + 10;
    }
    painter.end();
    return sheet.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
