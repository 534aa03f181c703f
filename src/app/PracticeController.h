#pragma once
// Play ▸ 跟弹: switches the engine's practice mode, hands it every note the user strikes, and
// marks on the keyboard the key it waits for.
#include <QObject>

class frmMain;

class PracticeController : public QObject {
    Q_OBJECT
public:
    explicit PracticeController(frmMain& main);
};
