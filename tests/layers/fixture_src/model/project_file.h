#pragma once
#include <QtCore/QString>
#include "project.h"
