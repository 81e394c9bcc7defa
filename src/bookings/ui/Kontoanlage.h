#pragma once

class QWidget;
class TDataModule1;

// Puts the customer and supplier dialog behind the save of a booking whose personal account
// does not exist yet.
void NeuesKontoAnmelden(TDataModule1& dm, QWidget* parent);
