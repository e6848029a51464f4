#pragma once
#include <QString>

// The product a command-line run works for, with the device table enumerated. When a model is
// connected, "Config/CurrentProductName" is set from it exactly as the window's mouse list sets
// it, and that name is returned. With none connected the stored name is kept; when there is
// none yet (the window never ran) the product definition's name tags exports and checks
// imports.
QString settleCurrentProduct();
