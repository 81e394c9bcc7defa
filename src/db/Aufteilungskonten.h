#pragma once

class TDataModule1;

// Gives booking areas without split accounts the default split accounts of their kind from the
// reference database (table AufteilungskontenArchiv of the chart). bereichId -1 seeds every
// activated and active area, any other value that one area. Areas that already have split
// accounts keep them. The check and the inserts run in one write transaction of the business
// file, so two workstations never seed an area twice.
void AufteilungskontenBestuecken(TDataModule1& dm, int bereichId, int kontenplan);
