#include "controls/TrovDsgCtrls.h"

TTrovDsgStringGrid::TTrovDsgStringGrid(QWidget* parent) : QTableWidget(parent) {}

TTrovDsgComboBox::TTrovDsgComboBox(QWidget* parent) : QComboBox(parent) {}
