// The string table: every user-visible text of the program, in Russian.
// Texts are UTF-8 literals; text() turns one into a QString. Texts with %s/%d
// placeholders are filled by the caller with the format it names.
#pragma once

#include <QString>

namespace Texts {

inline QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// ---- Common --------------------------------------------------------------

inline constexpr const char* CaptionError = "Ошибка!";
inline constexpr const char* CaptionConfirm = "Подтверждение";

// ---- Adapter link: log lines ---------------------------------------------

inline constexpr const char* LogPortInit = "Инициализация порта...";
inline constexpr const char* LogPortOpening = "Открытие порта...";
inline constexpr const char* LogPortInitError = "Ошибка инициализации порта: %s";
inline constexpr const char* LogPortOpen = "Порт открыт...";
inline constexpr const char* LogDataCommand = "Команда приёма данных %s...";
inline constexpr const char* LogPidMapInit = "Инициализация карты PID (%s)...";
inline constexpr const char* LogDataStart = "Начало приёма данных...";
inline constexpr const char* LogDataStop = "Останавливаем прием данных...";
inline constexpr const char* LogDumpCommand = "Команда приёма данных с %.3x по %.3x...";
inline constexpr const char* LogOffsetMapInit = "Инициализация карты смещений...";
inline constexpr const char* LogDataCheck = "Проверка данных...";
inline constexpr const char* LogOffsetError = "Ошибка по смещению %.4x!";
inline constexpr const char* LogDataOk = "Данные считаны без ошибок...";
inline constexpr const char* LogDataErrors = "Данные содержат ошибки! Повторите попытку считывания!";
inline constexpr const char* LogDataSaving = "Сохранение данных...";
inline constexpr const char* LogOptionsError = "Ошибка чтения/записи опций модуля!";
inline constexpr const char* LogCalibrationReset = "Сброс статуса/чтение кода калибровки...";
inline constexpr const char* LogCalibrationError = "Ошибка сброса статуса/чтения кода калибровки!";
inline constexpr const char* LogBootloaderAnswer = "Получен ответ от загрузчика...";
inline constexpr const char* LogFlashing = "Прошивка...";
inline constexpr const char* LogFlashError = "Ошибка во время программирования!";
inline constexpr const char* LogVerifying = "Верификация...";
inline constexpr const char* LogVerifyPassed = "Верификация пройдена!";
inline constexpr const char* LogVerifyFailed = "Ошибка верификации данных!";
inline constexpr const char* LogFirmwareDone = "Обновление прошивки успешно завершено!";

// ---- Adapter link: texts of our own ----------------------------------------


// ---- Dashboard widgets -----------------------------------------------------
// These take their arguments with QString::arg (%1, %2).

inline constexpr const char* FormatCannotApply = "Формат «%1» не подходит для одного числа: %2";
inline constexpr const char* FormatNoConversion = "нет преобразования после «%»";
inline constexpr const char* FormatBadType = "тип «%1» не для числа с плавающей точкой";
inline constexpr const char* FormatNoArgument = "нет числа для преобразования номер %1";
inline constexpr const char* FormatStarWidth = "ширина или точность «*» требует второго числа";
inline constexpr const char* FormatTooWide = "ширина больше %1";
inline constexpr const char* ValueZeroRatio = "LabelRatio равен 0: значение не показывается";
inline constexpr const char* LabelValueNotInteger = "значение %1 не переводится в целое: цвет не меняется";
inline constexpr const char* GaugeMaxEqualsMin = "Max равен Min (%1): стрелки и красная зона не рисуются";
inline constexpr const char* GaugeNoTicks = "TickCountBig равен 0: деления и числа не рисуются";
inline constexpr const char* GaugeTooManyTicks = "слишком много делений (%1 × %2): деления и числа не рисуются";
inline constexpr const char* GaugeZeroTickRatio = "TickLabelRatio равен 0: числа шкалы не рисуются";
inline constexpr const char* GaugeImageTooLarge = "изображение %1 × %2 слишком велико: прибор не рисуется";
inline constexpr const char* GaugeArrowsNone = "Arrows: пустое значение не принимается";


// ---- Dashboard profiles and trends ---------------------------------------


// ---- Vehicles and reference data -----------------------------------------


// ---- Main window -------------------------------------------------------------


} // namespace Texts
