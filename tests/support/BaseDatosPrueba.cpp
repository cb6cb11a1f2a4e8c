#include "BaseDatosPrueba.h"
