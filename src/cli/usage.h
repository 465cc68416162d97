#pragma once

#include <QString>

QString usageText();
