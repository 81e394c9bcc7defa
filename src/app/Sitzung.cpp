#include "Sitzung.h"

tSitzung& Sitzung() {
    static tSitzung sitzung;
    return sitzung;
}
