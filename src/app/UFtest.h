// An empty window with one button that does nothing; created at start, never shown.
#pragma once

#include <QWidget>

class TFtest : public QWidget
{
    Q_OBJECT
  public:
    explicit TFtest(QWidget *parent = nullptr);
};

extern TFtest *Ftest;
