#pragma once
#include <QString>

// The product a command-line run works for, with the device table enumerated. When a model is
// connected, "Config/CurrentProductName" is set from it exactly as the window's mouse list sets
// it, and that name is returned. With none connected the stored name is kept; when there is
// none yet (the window never ran) the product definition's name tags exports and checks
// imports.
QString settleCurrentProduct();

// The product whose profile library a command works on, without looking for the mouse: the
// stored name, else the product definition's, which is then stored (as the window stores it
// when that mouse arrives) so that the library's files have a folder. Empty when neither is
// known.
QString settleLibraryProduct();
