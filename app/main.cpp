// Zelkor: a calculator for durations in days, hours and minutes.
#include "TZELKF.h"
#include "ZelkorApplication.h"
#include "ZelkorError.h"

int main(int argc, char *argv[]) {
    TZelkorApplication app(argc, argv);
    try {
        TZELKF ZELKF;
        app.ExitWhenShownIfAsked(&ZELKF);
        ZELKF.show();
        return app.exec();
    } catch (const EZelkorError &e) {
        app.ShowException(e);
        return 0;
    }
}
