// A viewer model file that reaches for a widget: the layer check must fail on it.
#pragma once
#include <QtWidgets/QWidget>
