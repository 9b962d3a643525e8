// The bare Qt yardstick, played by the interaction driver as resonix is:
// the bare main window opens the bare Translation window from its list.
//   resonix_bare_interaction [openings] [calculations per opening]

#include <QApplication>
#include <QListWidget>
#include <cstdlib>

#include "bench/bare_dialog.h"
#include "bench/bare_translation.h"
#include "bench/interaction_driver.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    BareDialog main;
    QObject::connect(main.motionList(), &QListWidget::itemPressed, &main, [&main](QListWidgetItem* item) {
        if (item->text() == QStringLiteral("Translation")) {
            BareTranslation calculator;
            calculator.exec();
        }
        main.motionList()->clearSelection();
    });
    InteractionDriver driver(argc > 1 ? std::atoi(argv[1]) : 10, argc > 2 ? std::atoi(argv[2]) : 5);
    driver.start();
    main.exec();
    return 0;
}
