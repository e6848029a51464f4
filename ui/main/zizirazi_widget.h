#pragma once
#include <QWidget>

// The main window. Its constructor is the real start-up sequence of the program.
class ZiziraziWidget : public QWidget {
    Q_OBJECT
public:
    explicit ZiziraziWidget(QWidget *parent = nullptr);
    ~ZiziraziWidget() override;

    // Mice found by device discovery during construction.
    int connectedMouseCount() const { return m_connectedMice; }

private:
    int m_connectedMice = 0;
};
