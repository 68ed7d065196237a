// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// The string table: every user-visible text of the program, in Russian, the language the
// program is written in. Each is marked for Qt Linguist, and text() gives it in the language
// of the installed translation (translations/veskor_en.ts), or as it stands without one.
// Texts with placeholders are filled by the caller: %1 with QString::arg, %s and %.3x by
// fillPlaceholders.
#pragma once

#include <QString>
#include <QtGlobal>

namespace Texts {

// The context of every text in the translation files.
inline constexpr const char* Context = "Texts";

QString text(const char* utf8);
// A count with its noun in the form the current language gives that number, %1 filled with
// count: Russian has three (Найден 1 код, Найдено 3 кода, Найдено 5 кодов), English two
// (one for 1, many for every other number), so few is Russian's alone.
QString countText(int count, const char* one, const char* few, const char* many);

// ---- Common --------------------------------------------------------------

inline constexpr const char* CaptionError = QT_TRANSLATE_NOOP("Texts", "Ошибка!");
inline constexpr const char* CaptionConfirm = QT_TRANSLATE_NOOP("Texts", "Подтверждение");
// A shipped file that could not be copied into the user's data folder (%1: file and reason).
inline constexpr const char* SeedFailed
    = QT_TRANSLATE_NOOP("Texts", "Не удалось скопировать файл программы в папку пользователя: %1");
// The settings file of an earlier version that could not be moved to the config folder
// (%1: file and reason).
inline constexpr const char* SettingsMoveFailed
    = QT_TRANSLATE_NOOP("Texts", "Не удалось перенести настройки в папку настроек: %1");
// A folder of reports, recordings or dumps of an earlier version that stays in the data
// folder (%1: from → to).
inline constexpr const char* DocumentsMoveFailed
    = QT_TRANSLATE_NOOP("Texts", "Не удалось перенести папку в папку документов: %1");
// Why a file could not be written or opened, by the system's error code.
// A file that could not be written in whole (%1: the file, %2: why).
inline constexpr const char* FileWriteFailed
    = QT_TRANSLATE_NOOP("Texts", "Не удалось записать файл %1: %2");
inline constexpr const char* SystemErrorNoSpace = QT_TRANSLATE_NOOP("Texts", "на диске нет места");
inline constexpr const char* SystemErrorQuota
    = QT_TRANSLATE_NOOP("Texts", "превышена дисковая квота");
inline constexpr const char* SystemErrorTooLarge
    = QT_TRANSLATE_NOOP("Texts", "превышен допустимый размер файла");
inline constexpr const char* SystemErrorReadOnly
    = QT_TRANSLATE_NOOP("Texts", "диск доступен только для чтения");
inline constexpr const char* SystemErrorAccess = QT_TRANSLATE_NOOP("Texts", "нет доступа");
inline constexpr const char* SystemErrorNoFolder = QT_TRANSLATE_NOOP("Texts", "папка не найдена");
inline constexpr const char* SystemErrorIo = QT_TRANSLATE_NOOP("Texts", "ошибка ввода-вывода");
inline constexpr const char* SystemErrorNoFile = QT_TRANSLATE_NOOP("Texts", "файл не найден");
inline constexpr const char* SystemErrorIsFolder
    = QT_TRANSLATE_NOOP("Texts", "это папка, а не файл");
inline constexpr const char* FileUnreadable
    = QT_TRANSLATE_NOOP("Texts", "Не удалось открыть %1: %2");
inline constexpr const char* SystemErrorOther = QT_TRANSLATE_NOOP("Texts", "системная ошибка %1");

// ---- Adapter link: log lines ---------------------------------------------

inline constexpr const char* LogPortInit = QT_TRANSLATE_NOOP("Texts", "Инициализация порта...");
inline constexpr const char* LogPortOpening = QT_TRANSLATE_NOOP("Texts", "Открытие порта...");
inline constexpr const char* LogPortInitError
    = QT_TRANSLATE_NOOP("Texts", "Ошибка инициализации порта: %s");
inline constexpr const char* LogPortOpen = QT_TRANSLATE_NOOP("Texts", "Порт открыт...");
inline constexpr const char* LogDataCommand
    = QT_TRANSLATE_NOOP("Texts", "Команда приёма данных %s...");
inline constexpr const char* LogPidMapInit
    = QT_TRANSLATE_NOOP("Texts", "Инициализация карты PID (%s)...");
inline constexpr const char* LogDataStart = QT_TRANSLATE_NOOP("Texts", "Начало приёма данных...");
inline constexpr const char* LogDataStop
    = QT_TRANSLATE_NOOP("Texts", "Останавливаем прием данных...");
inline constexpr const char* LogDumpCommand
    = QT_TRANSLATE_NOOP("Texts", "Команда приёма данных с %.3x по %.3x...");
inline constexpr const char* LogOffsetMapInit
    = QT_TRANSLATE_NOOP("Texts", "Инициализация карты смещений...");
inline constexpr const char* LogDataCheck = QT_TRANSLATE_NOOP("Texts", "Проверка данных...");
inline constexpr const char* LogOffsetError
    = QT_TRANSLATE_NOOP("Texts", "Ошибка по смещению %.4x!");
inline constexpr const char* LogDataOk = QT_TRANSLATE_NOOP("Texts", "Данные считаны без ошибок...");
inline constexpr const char* LogDataErrors
    = QT_TRANSLATE_NOOP("Texts", "Данные содержат ошибки! Повторите попытку считывания!");
inline constexpr const char* LogDataSaving = QT_TRANSLATE_NOOP("Texts", "Сохранение данных...");
inline constexpr const char* LogOptionsError
    = QT_TRANSLATE_NOOP("Texts", "Ошибка чтения/записи опций модуля!");
inline constexpr const char* LogCalibrationReset
    = QT_TRANSLATE_NOOP("Texts", "Сброс статуса/чтение кода калибровки...");
inline constexpr const char* LogCalibrationError
    = QT_TRANSLATE_NOOP("Texts", "Ошибка сброса статуса/чтения кода калибровки!");
inline constexpr const char* LogBootloaderAnswer
    = QT_TRANSLATE_NOOP("Texts", "Получен ответ от загрузчика...");
inline constexpr const char* LogFlashing = QT_TRANSLATE_NOOP("Texts", "Прошивка...");
inline constexpr const char* LogFlashError
    = QT_TRANSLATE_NOOP("Texts", "Ошибка во время программирования!");
inline constexpr const char* LogVerifying = QT_TRANSLATE_NOOP("Texts", "Верификация...");
inline constexpr const char* LogVerifyPassed = QT_TRANSLATE_NOOP("Texts", "Верификация пройдена!");
inline constexpr const char* LogVerifyFailed
    = QT_TRANSLATE_NOOP("Texts", "Ошибка верификации данных!");
inline constexpr const char* LogFirmwareDone
    = QT_TRANSLATE_NOOP("Texts", "Обновление прошивки успешно завершено!");

// ---- Adapter link: texts of our own ----------------------------------------

// Module maintenance. These take their arguments with QString::arg (%1, %2).
inline constexpr const char* FirmwareFileUnreadable
    = QT_TRANSLATE_NOOP("Texts", "Не удалось прочитать файл прошивки %1: %2");
inline constexpr const char* FirmwareFileEmpty
    = QT_TRANSLATE_NOOP("Texts", "Файл прошивки %1 пуст: обновление не начато");
inline constexpr const char* FirmwareFileTooLarge = QT_TRANSLATE_NOOP("Texts",
    "Файл прошивки %1 больше 64 КБ (%2 байт): такой прошивки у модуля не бывает, обновление не "
    "начато");
// The device code selected for the boot loader (%1, as 0x74), from its list or by default.
inline constexpr const char* LogDeviceCode
    = QT_TRANSLATE_NOOP("Texts", "Код устройства для загрузчика: %1");
inline constexpr const char* LogDeviceCodeDefault
    = QT_TRANSLATE_NOOP("Texts", "Загрузчик не сообщил коды устройств, используется код %1");
// The last line of a failed update: the stage that failed first.
inline constexpr const char* LogFirmwareFailedFile
    = QT_TRANSLATE_NOOP("Texts", "Обновление прошивки не выполнено: файл прошивки не загружен!");
inline constexpr const char* LogFirmwareFailedLoader
    = QT_TRANSLATE_NOOP("Texts", "Обновление прошивки не выполнено: нет связи с загрузчиком!");
inline constexpr const char* LogFirmwareFailedPrepare = QT_TRANSLATE_NOOP(
    "Texts", "Обновление прошивки не выполнено: загрузчик не принял подготовку к записи!");
inline constexpr const char* LogFirmwareFailedWriting
    = QT_TRANSLATE_NOOP("Texts", "Обновление прошивки не выполнено: загрузчик отклонил блок!");
inline constexpr const char* LogFirmwareFailedVerify
    = QT_TRANSLATE_NOOP("Texts", "Обновление прошивки не выполнено: верификация не пройдена!");
inline constexpr const char* LogFirmwareFailedLeave = QT_TRANSLATE_NOOP(
    "Texts", "Обновление прошивки не завершено: загрузчик не подтвердил выход!");
// The module's options and the firmware update's progress, as the options page shows them.
inline constexpr const char* OptionSpeedLabel
    = QT_TRANSLATE_NOOP("Texts", "Скорость порта EEC-IV:");
inline constexpr const char* OptionFormatLabel
    = QT_TRANSLATE_NOOP("Texts", "Формат вывода данных:");
inline constexpr const char* FirmwareProgressInit = QT_TRANSLATE_NOOP("Texts", "Инициализация...");
inline constexpr const char* FirmwareProgressFlashing = QT_TRANSLATE_NOOP("Texts", "Прошивка...");
inline constexpr const char* FirmwareProgressVerifying
    = QT_TRANSLATE_NOOP("Texts", "Верификация...");
inline constexpr const char* FirmwareProgressRestart
    = QT_TRANSLATE_NOOP("Texts", "Ждём перезапуска модуля...");
// A dump that could not be saved (%1 the file, %2 the reason); no part of it is left.
inline constexpr const char* LogDumpSaveError
    = QT_TRANSLATE_NOOP("Texts", "Не удалось сохранить данные в файл %1: %2");
// A run of missing bytes of a memory read, first and last address, in one line.
inline constexpr const char* LogOffsetRangeError
    = QT_TRANSLATE_NOOP("Texts", "Ошибка по смещению %.4x–%.4x!");
// A memory read ended by the user (Disconnect, "Стоп чтения").
inline constexpr const char* LogMemoryReadCancelled
    = QT_TRANSLATE_NOOP("Texts", "Чтение памяти прервано.");
// A memory read whose rows stopped advancing while the module still sent words (%1: how
// long, in seconds).
inline constexpr const char* LogMemoryReadStalled = QT_TRANSLATE_NOOP("Texts",
    "Новые строки памяти не поступают %1 с, хотя модуль передаёт данные: чтение остановлено.");
// A port error or a vanished device that ended an exchange or the stream.
inline constexpr const char* LogPortError = QT_TRANSLATE_NOOP("Texts", "Ошибка порта: %s");
inline constexpr const char* PortLost
    = QT_TRANSLATE_NOOP("Texts", "поток данных прервался, устройство недоступно");

// ---- Serial port access ----------------------------------------------------

// The port's device could not be opened for lack of permission (%1 the device, %2 the
// group that owns it).
inline constexpr const char* PortAccessDenied = QT_TRANSLATE_NOOP("Texts",
    "Нет доступа к порту %1: добавьте своего "
    "пользователя в группу %2 (sudo usermod -aG %2 $USER) и войдите в систему заново.");
// The same where membership of the device's group would not help.
inline constexpr const char* PortAccessDeniedNoGroup = QT_TRANSLATE_NOOP("Texts",
    "Нет доступа к порту %1: получите у "
    "администратора права на чтение и запись этого устройства и войдите в систему заново.");
// Why the port failed, first what to do (%1 the device); the system's own words follow
// in the log as PortErrorDetail.
inline constexpr const char* PortNotFound = QT_TRANSLATE_NOOP(
    "Texts", "Адаптер не найден на %1: подключите адаптер или выберите порт в настройках");
inline constexpr const char* PortBusy = QT_TRANSLATE_NOOP(
    "Texts", "Порт %1 занят другой программой: закройте её или выберите другой порт в настройках");
inline constexpr const char* PortNotSerial = QT_TRANSLATE_NOOP(
    "Texts", "%1 — не последовательный порт: выберите порт адаптера в настройках");
inline constexpr const char* PortGone = QT_TRANSLATE_NOOP(
    "Texts", "Связь с адаптером на %1 потеряна: проверьте кабель адаптера и подключитесь снова");
inline constexpr const char* PortFailed = QT_TRANSLATE_NOOP(
    "Texts", "Порт %1 не работает: переподключите адаптер или выберите другой порт в настройках");
// The advice, then the system's words (%1 the advice, %2 the system's text).
inline constexpr const char* PortErrorDetail = QT_TRANSLATE_NOOP("Texts", "%1. Подробности: %2");
// No "!" came back to any search (%1 the device, %2 the speed in bit/s).
inline constexpr const char* ModuleSilent = QT_TRANSLATE_NOOP("Texts",
    "Модуль не отвечает на %1 (%2 бит/с): проверьте скорость обмена в настройках, кабель "
    "адаптера и включено ли зажигание");
// The module answered, the ECU did not: "m" gave no link, or no calibration code came.
inline constexpr const char* EcuSilent = QT_TRANSLATE_NOOP("Texts",
    "ЭБУ не отвечает: включите зажигание и проверьте, что кабель адаптера надёжно подключён к "
    "диагностическому разъёму, затем нажмите «Подключить»");
inline constexpr const char* EcuNoCalibration = QT_TRANSLATE_NOOP("Texts",
    "ЭБУ не прислал код калибровки: проверьте зажигание и разъём диагностики, затем нажмите "
    "«Подключить»");
// The code the ECU reported, with its record (%1 the code, %2 the record or "нет данных").
inline constexpr const char* LogCalibrationCode
    = QT_TRANSLATE_NOOP("Texts", "Код калибровки ЭБУ: %1 — %2");
// A record of the sample calibration database (%1: its model), and an engine's
// displacement given in the database as a bare number (%1: litres).
inline constexpr const char* EcuSampleModel = QT_TRANSLATE_NOOP("Texts", "%1 (образец)");
inline constexpr const char* EcuDisplacement = QT_TRANSLATE_NOOP("Texts", "%1 л");

// ---- Dashboard widgets -----------------------------------------------------
// These take their arguments with QString::arg (%1, %2).

inline constexpr const char* FormatCannotApply
    = QT_TRANSLATE_NOOP("Texts", "Формат «%1» не подходит для одного числа: %2");
inline constexpr const char* FormatNoConversion
    = QT_TRANSLATE_NOOP("Texts", "нет преобразования после «%»");
inline constexpr const char* FormatBadType
    = QT_TRANSLATE_NOOP("Texts", "тип «%1» не для числа с плавающей точкой");
inline constexpr const char* FormatNoArgument
    = QT_TRANSLATE_NOOP("Texts", "нет числа для преобразования номер %1");
inline constexpr const char* FormatStarWidth
    = QT_TRANSLATE_NOOP("Texts", "ширина или точность «*» требует второго числа");
inline constexpr const char* FormatTooWide = QT_TRANSLATE_NOOP("Texts", "ширина больше %1");
inline constexpr const char* ValueZeroRatio
    = QT_TRANSLATE_NOOP("Texts", "LabelRatio равен 0: значение не показывается");
inline constexpr const char* LabelValueNotInteger
    = QT_TRANSLATE_NOOP("Texts", "значение %1 не переводится в целое: цвет не меняется");
inline constexpr const char* GaugeMaxEqualsMin
    = QT_TRANSLATE_NOOP("Texts", "Max равен Min (%1): стрелки и красная зона не рисуются");
inline constexpr const char* GaugeNoTicks
    = QT_TRANSLATE_NOOP("Texts", "TickCountBig равен 0: деления и числа не рисуются");
inline constexpr const char* GaugeTooManyTicks
    = QT_TRANSLATE_NOOP("Texts", "слишком много делений (%1 × %2): деления и числа не рисуются");
inline constexpr const char* GaugeZeroTickRatio
    = QT_TRANSLATE_NOOP("Texts", "TickLabelRatio равен 0: числа шкалы не рисуются");
inline constexpr const char* GaugeImageTooLarge
    = QT_TRANSLATE_NOOP("Texts", "изображение %1 × %2 слишком велико: прибор не рисуется");
inline constexpr const char* GaugeArrowsNone
    = QT_TRANSLATE_NOOP("Texts", "Arrows: пустое значение не принимается");
inline constexpr const char* ControlOutOfRange
    = QT_TRANSLATE_NOOP("Texts", "%1 = %2 вне допустимых пределов (%3 … %4)");

// ---- Dashboard profiles and trends ---------------------------------------

// The warning box for a wrong item definition, as profile authors know it.
inline constexpr const char* DefinitionErrorCaption = QT_TRANSLATE_NOOP("Texts", "Fatal error");
inline constexpr const char* DefinitionErrorText
    = QT_TRANSLATE_NOOP("Texts", "Invalid item definition: ");
inline constexpr const char* DefinitionErrorCheck = QT_TRANSLATE_NOOP("Texts", "Check definition");
inline constexpr const char* DefinitionErrorFile = QT_TRANSLATE_NOOP("Texts", " file.");

// Why a definition was refused (shown by the preview renderer; %1 … with QString::arg).
inline constexpr const char* DefinitionNotColor
    = QT_TRANSLATE_NOOP("Texts", "не цвет: ожидается имя цвета или целое число");
inline constexpr const char* DefinitionNotInteger
    = QT_TRANSLATE_NOOP("Texts", "не целое число в пределах 32 бит");
inline constexpr const char* DefinitionNotName = QT_TRANSLATE_NOOP("Texts", "нет такого значения");
inline constexpr const char* DefinitionNotSetElement
    = QT_TRANSLATE_NOOP("Texts", "в наборе нет элемента «%1»");
inline constexpr const char* DefinitionNotNumber = QT_TRANSLATE_NOOP("Texts", "не число");
inline constexpr const char* DefinitionOutOfRange
    = QT_TRANSLATE_NOOP("Texts", "число вне пределов типа");
inline constexpr const char* DefinitionUnsupported
    = QT_TRANSLATE_NOOP("Texts", "свойство этого типа нельзя задать текстом");
inline constexpr const char* DefinitionReadOnly
    = QT_TRANSLATE_NOOP("Texts", "свойство только для чтения");
inline constexpr const char* DefinitionNotAccepted
    = QT_TRANSLATE_NOOP("Texts", "значение не принято");
inline constexpr const char* DefinitionBadIndex
    = QT_TRANSLATE_NOOP("Texts", "номер элемента должен быть от 0 до %1");
inline constexpr const char* DefinitionTooManyItems = QT_TRANSLATE_NOOP(
    "Texts", "больше %1 элементов в наборе не создаётся, такие определения дальше пропускаются");

// Limits of a profile build (%1 the file).
inline constexpr const char* ProfileLinesTooLong
    = QT_TRANSLATE_NOOP("Texts", "Профиль %1: пропущено строк длиннее %3 символов: %2");
inline constexpr const char* ProfileTooManyWidgets
    = QT_TRANSLATE_NOOP("Texts", "Профиль %1: больше %2 элементов не создаётся");
inline constexpr const char* ProfileTooManyDefinitions
    = QT_TRANSLATE_NOOP("Texts", "Профиль %1: больше %2 определений не применяется");

// Trend chart problems.
inline constexpr const char* TrendTrendsNone
    = QT_TRANSLATE_NOOP("Texts", "Trends: пустое значение не принимается");
inline constexpr const char* TrendTooLarge
    = QT_TRANSLATE_NOOP("Texts", "график %1 × %2 при SmoothFactor %3 слишком велик: не рисуется");

// Reports of a profile load, shown once as a list (file:line: property: reason).
inline constexpr const char* ProfileReportSummary
    = QT_TRANSLATE_NOOP("Texts", "Профиль %1: найдено ошибок: %2. Список — в подробностях.");
inline constexpr const char* ProfileReportUnusable
    = QT_TRANSLATE_NOOP("Texts", "Профиль %1 не может быть показан. Причина — в подробностях.");
inline constexpr const char* ProfileReportMore = QT_TRANSLATE_NOOP("Texts", "… и ещё ошибок: %1");
inline constexpr const char* ProfileUnreadable = QT_TRANSLATE_NOOP("Texts", "файл не читается");
inline constexpr const char* ProfileIsDirectory
    = QT_TRANSLATE_NOOP("Texts", "это папка, а не файл профиля");
inline constexpr const char* ProfileTooLarge = QT_TRANSLATE_NOOP("Texts", "файл больше %1 МБ");
inline constexpr const char* ProfileBadBackground = QT_TRANSLATE_NOOP(
    "Texts", "«%1» — не цвет: ожидается имя цвета (clBlack) или число ($BBGGRR)");
inline constexpr const char* ProfileEmpty
    = QT_TRANSLATE_NOOP("Texts", "файл пуст: не создано ни одного элемента");
inline constexpr const char* ProfileUtf16 = QT_TRANSLATE_NOOP("Texts",
    "файл в UTF-16 (или не текст): не создано ни одного элемента; сохраните его как UTF-8");
inline constexpr const char* ProfileNoGauges
    = QT_TRANSLATE_NOOP("Texts", "нет раздела [Gauges]: не создано ни одного элемента");
inline constexpr const char* ProfileNoWidgets = QT_TRANSLATE_NOOP(
    "Texts", "в разделе [Gauges] нет ни одного известного класса: не создано ни одного элемента");
inline constexpr const char* ProfileNotUtf8 = QT_TRANSLATE_NOOP("Texts",
    "значение не в UTF-8 (похоже на Windows-1251) и взято пустым; сохраните файл как UTF-8");
inline constexpr const char* ProfileImageMemory = QT_TRANSLATE_NOOP("Texts",
    "изображения элемента заняли бы %1 МБ, а всем элементам панели отведено %2 МБ (занято %3 "
    "МБ): элемент не создан");
inline constexpr const char* DefinitionDecimalPoint
    = QT_TRANSLATE_NOOP("Texts", "десятичный разделитель — точка: %1");

// ---- Vehicles and reference data -----------------------------------------

// The table of PID meanings (pids.txt).
inline constexpr const char* PidUnknown = QT_TRANSLATE_NOOP("Texts", "неизвестно");
inline constexpr const char* PidBitUnnamed = QT_TRANSLATE_NOOP("Texts", "бит %1");
inline constexpr const char* PidTableBadLine
    = QT_TRANSLATE_NOOP("Texts", "pids.txt, строка %1: %2");
inline constexpr const char* PidTableTooFewFields
    = QT_TRANSLATE_NOOP("Texts", "меньше пяти полей через табуляцию");
inline constexpr const char* PidTableBadNumber
    = QT_TRANSLATE_NOOP("Texts", "номер PID не шестнадцатеричный 00…FF (бит: 0…15)");
inline constexpr const char* PidTableNoName = QT_TRANSLATE_NOOP("Texts", "нет названия");
inline constexpr const char* LabelBadPidName
    = QT_TRANSLATE_NOOP("Texts", "PidName %1: не номер PID (0D) и не бит (1A.7)");
inline constexpr const char* StatisticsTitle
    = QT_TRANSLATE_NOOP("Texts", "Мин., макс., среднее с начала приёма");
inline constexpr const char* StatisticsPid = QT_TRANSLATE_NOOP("Texts", "PID");
inline constexpr const char* StatisticsMin = QT_TRANSLATE_NOOP("Texts", "Мин.");
inline constexpr const char* StatisticsMax = QT_TRANSLATE_NOOP("Texts", "Макс.");
inline constexpr const char* StatisticsMean = QT_TRANSLATE_NOOP("Texts", "Среднее");
inline constexpr const char* StatisticsUnit = QT_TRANSLATE_NOOP("Texts", "Ед.");
inline constexpr const char* ActStatistics = QT_TRANSLATE_NOOP("Texts", "Мин./макс.");
inline constexpr const char* HintStatistics = QT_TRANSLATE_NOOP(
    "Texts", "Наименьшее, наибольшее и среднее значение каждого PID панели с начала приёма");
inline constexpr const char* LimitWarning = QT_TRANSLATE_NOOP("Texts", "Предупреждение: %1 = %2");
inline constexpr const char* LimitAlarm = QT_TRANSLATE_NOOP("Texts", "Тревога: %1 = %2");
inline constexpr const char* MatrixSlot = QT_TRANSLATE_NOOP("Texts", "Кадр %1, позиция %2");
inline constexpr const char* MatrixSlotPid = QT_TRANSLATE_NOOP("Texts", "%1: %2 = %3");
// Units as the Russian window writes them; the English translation gives its own.
inline constexpr const char* UnitKmPerHour = QT_TRANSLATE_NOOP("Texts", "км/ч");
inline constexpr const char* UnitMilesPerHour = QT_TRANSLATE_NOOP("Texts", "миль/ч");
inline constexpr const char* UnitKiloPascal = QT_TRANSLATE_NOOP("Texts", "кПа");
inline constexpr const char* UnitInchMercury = QT_TRANSLATE_NOOP("Texts", "дюйм рт. ст.");
inline constexpr const char* PidTableUnreadable
    = QT_TRANSLATE_NOOP("Texts", "Не удалось прочитать таблицу PID %1: %2");
inline constexpr const char* FaultCodesMissing
    = QT_TRANSLATE_NOOP("Texts", "Не найден файл кодов ошибок codes.txt!");
inline constexpr const char* FaultCodesReadError
    = QT_TRANSLATE_NOOP("Texts", "Ошибка чтения файла кодов ошибок codes.txt: %s");
// One code of the fault list as the fault codes page copies it: the entry, mode,
// description and comment.
inline constexpr const char* FaultCodeText
    = QT_TRANSLATE_NOOP("Texts", "Код: %s\r\nРежим: %s\r\nОписание: %s\r\nКомментарий: %s\r\n\r\n");

// ECU information of a vehicle (calibration database record), in the order shown.
inline constexpr const char* EcuInfoTitle
    = QT_TRANSLATE_NOOP("Texts", "Данные по установленному EEC-IV");
inline constexpr const char* EcuModel = QT_TRANSLATE_NOOP("Texts", "Модель:");
inline constexpr const char* EcuYears = QT_TRANSLATE_NOOP("Texts", "Годы выпуска:");
inline constexpr const char* EcuDisp = QT_TRANSLATE_NOOP("Texts", "Объем двигателя:");
inline constexpr const char* EcuHw = QT_TRANSLATE_NOOP("Texts", "Аппаратная ревизия:");
inline constexpr const char* EcuStrategy = QT_TRANSLATE_NOOP("Texts", "Стратегия:");
inline constexpr const char* EcuProductCode = QT_TRANSLATE_NOOP("Texts", "Код продукта:");
inline constexpr const char* EcuFINIS = QT_TRANSLATE_NOOP("Texts", "Код FINIS:");
inline constexpr const char* EcuCatchCode = QT_TRANSLATE_NOOP("Texts", "Код CATCH:");
inline constexpr const char* EcuCalID = QT_TRANSLATE_NOOP("Texts", "Код калибровки:");
inline constexpr const char* EcuPATS = QT_TRANSLATE_NOOP("Texts", "Иммобилайзер:");
inline constexpr const char* Yes = QT_TRANSLATE_NOOP("Texts", "да");
inline constexpr const char* No = QT_TRANSLATE_NOOP("Texts", "нет");
inline constexpr const char* NoData = QT_TRANSLATE_NOOP("Texts", "нет данных");

// Columns of the vehicles list.
inline constexpr const char* ColumnName = QT_TRANSLATE_NOOP("Texts", "Название");
inline constexpr const char* ColumnModel = QT_TRANSLATE_NOOP("Texts", "Модель");
inline constexpr const char* ColumnYear = QT_TRANSLATE_NOOP("Texts", "Год выпуска");
inline constexpr const char* ColumnVIN = QT_TRANSLATE_NOOP("Texts", "VIN");
inline constexpr const char* ColumnPlate = QT_TRANSLATE_NOOP("Texts", "Номер");
inline constexpr const char* ColumnLastRead = QT_TRANSLATE_NOOP("Texts", "Дата диагностики");
inline constexpr const char* ColumnComment = QT_TRANSLATE_NOOP("Texts", "Примечания");

// Vehicle dialog.
inline constexpr const char* AutoDialogCaption
    = QT_TRANSLATE_NOOP("Texts", "Добавление/редактирование автомобиля");
inline constexpr const char* AutoDialogNotice = QT_TRANSLATE_NOOP("Texts",
    " Определено подключение автомобиля, отсутствующего в списке. Пожалуйста, заполните "
    "данные по автомобилю и сохраните в списке автомобилей.");
inline constexpr const char* AutoGroupRegistration
    = QT_TRANSLATE_NOOP("Texts", " Регистрационные данные ");
inline constexpr const char* AutoGroupTechnical
    = QT_TRANSLATE_NOOP("Texts", " Технические данные ");
inline constexpr const char* AutoName = QT_TRANSLATE_NOOP("Texts", "Название:");
inline constexpr const char* AutoModel = QT_TRANSLATE_NOOP("Texts", "Модель:");
inline constexpr const char* AutoCalID = QT_TRANSLATE_NOOP("Texts", "Калибр.код:");
inline constexpr const char* AutoCalIDHint = QT_TRANSLATE_NOOP("Texts",
    "Калибровочный код считывается из EEC-IV в момент подключения. Вручную вводить не нужно.");
inline constexpr const char* AutoEditCalID = QT_TRANSLATE_NOOP("Texts", "Редактировать");
// Text of our own: the calibration database's record of the code the ECU reported.
inline constexpr const char* AutoEcuRecord = QT_TRANSLATE_NOOP("Texts", "Данные ЭБУ:");
inline constexpr const char* AutoYear = QT_TRANSLATE_NOOP("Texts", "Год выпуска:");
inline constexpr const char* AutoVIN = QT_TRANSLATE_NOOP("Texts", "VIN:");
inline constexpr const char* AutoPlate = QT_TRANSLATE_NOOP("Texts", "Гос.номер:");
inline constexpr const char* AutoComment = QT_TRANSLATE_NOOP("Texts", "Примечания:");
inline constexpr const char* AutoProfile = QT_TRANSLATE_NOOP("Texts", "Профиль:");
inline constexpr const char* AutoSave = QT_TRANSLATE_NOOP("Texts", "Сохранить");
inline constexpr const char* AutoCancel = QT_TRANSLATE_NOOP("Texts", "Отмена");
inline constexpr const char* ModelsFileMissing
    = QT_TRANSLATE_NOOP("Texts", "Не найден файл моделей models.txt!");

// Texts of our own: failures of the register files (%1 the file, %2 the reason).
inline constexpr const char* RegisterReadError
    = QT_TRANSLATE_NOOP("Texts", "Не удалось прочитать список автомобилей %1: %2");
inline constexpr const char* RegisterSaveError
    = QT_TRANSLATE_NOOP("Texts", "Не удалось сохранить список автомобилей в %1: %2");

// Texts of our own: unusable reference files and the register kept whole (%1 … with QString::arg).
inline constexpr const char* IniUtf16
    = QT_TRANSLATE_NOOP("Texts", "файл в кодировке UTF-16, а нужен 8-битный текст");
inline constexpr const char* IniNul
    = QT_TRANSLATE_NOOP("Texts", "символ NUL в строке %1: дальше файл не читается");
inline constexpr const char* IniNoSection
    = QT_TRANSLATE_NOOP("Texts", "в файле нет ни одного раздела [...]");
inline constexpr const char* RegisterNotOverwritten = QT_TRANSLATE_NOOP("Texts",
    "Список автомобилей %1 не был прочитан (%2): он оставлен как есть и не заменён пустым");
inline constexpr const char* RegisterNotLoaded
    = QT_TRANSLATE_NOOP("Texts", "он не загрузился при запуске");
inline constexpr const char* RegisterMovedAside = QT_TRANSLATE_NOOP(
    "Texts", "Список автомобилей %1 не был прочитан: прежний файл сохранён как %2");
inline constexpr const char* RegisterNotMovedAside = QT_TRANSLATE_NOOP("Texts",
    "Список автомобилей %1 не был прочитан и не переименовывается в %2: новый список не записан");
inline constexpr const char* FileLinkLoop = QT_TRANSLATE_NOOP("Texts", "цикл символических ссылок");
inline constexpr const char* FileLinkDangling
    = QT_TRANSLATE_NOOP("Texts", "символическая ссылка ведёт к несуществующему файлу %1");
inline constexpr const char* FaultCodesNone
    = QT_TRANSLATE_NOOP("Texts", "В файле кодов ошибок codes.txt нет ни одного кода: %1");
inline constexpr const char* FaultCodesEmpty = QT_TRANSLATE_NOOP("Texts", "файл пуст");
inline constexpr const char* FaultCodesNoNumber
    = QT_TRANSLATE_NOOP("Texts", "ни одна из %1 строк не номер кода с текстами");
inline constexpr const char* FaultCodesStopped = QT_TRANSLATE_NOOP("Texts",
    "Файл кодов ошибок codes.txt прочитан не до конца: символ NUL в строке %1, не прочитано "
    "строк: %2");
inline constexpr const char* NoDescription = QT_TRANSLATE_NOOP("Texts", "нет описания");
// codes.txt's word for the continuous-monitor codes in a code's mode ("KOEO, память"): its
// translation stands in its place in the English window.
inline constexpr const char* FaultModeMemory = QT_TRANSLATE_NOOP("Texts", "память");
inline constexpr const char* DataFileProblemsTitle
    = QT_TRANSLATE_NOOP("Texts", "Ошибки в файлах данных программы:");
inline constexpr const char* CarProfilesProblem
    = QT_TRANSLATE_NOOP("Texts", "Файл профилей автомобилей %1: %2");
inline constexpr const char* CarProfilesUnreadable
    = QT_TRANSLATE_NOOP("Texts", "не удаётся прочитать (%1)");
inline constexpr const char* CarProfilesNone = QT_TRANSLATE_NOOP("Texts", "ни одного профиля");
inline constexpr const char* CarProfileNotChosen
    = QT_TRANSLATE_NOOP("Texts", "Профиль автомобиля не выбран: адреса адаптивных таблиц равны 0");
inline constexpr const char* CarProfileBeyondList = QT_TRANSLATE_NOOP("Texts",
    "Профиль автомобиля № %1 вне списка профилей (их %2): адреса адаптивных таблиц равны 0");

// ---- Main window -------------------------------------------------------------

// veskor-reader's command line and its profile preview (%1 with QString::arg).
inline constexpr const char* ReaderUsage = QT_TRANSLATE_NOOP("Texts",
    "Использование: veskor-reader [--home ПАПКА] --render-profile ФАЙЛ.ini [--size ШxВ] "
    "[--set PID=ЗНАЧЕНИЕ]... -o ФАЙЛ.png\n"
    "  Строит профиль отображения на панели без окна, передаёт значения PID и сохраняет "
    "панель в PNG.\n"
    "  Ошибки определений выводятся в stderr; код возврата 1, если они были.");
inline constexpr const char* PreviewBadSize
    = QT_TRANSLATE_NOOP("Texts", "Неверный размер «%1»: нужно ШxВ, от 1 до 8192");
inline constexpr const char* PreviewBadSet
    = QT_TRANSLATE_NOOP("Texts", "Неверное значение «%1»: нужно PID=ЧИСЛО, PID от 0 до 255");
inline constexpr const char* PreviewBadArgument
    = QT_TRANSLATE_NOOP("Texts", "Неизвестный или неполный параметр «%1»");
inline constexpr const char* PreviewMissing
    = QT_TRANSLATE_NOOP("Texts", "Нужны --render-profile ФАЙЛ и -o ФАЙЛ.png");
inline constexpr const char* PreviewNoProfile
    = QT_TRANSLATE_NOOP("Texts", "Не удаётся прочитать профиль %1");
inline constexpr const char* PreviewCannotSave
    = QT_TRANSLATE_NOOP("Texts", "Не удаётся записать изображение %1");

// ---- Main window: frame, status bar, vehicles and fault codes pages -----------------
// (%1, %2 with QString::arg; texts with %s are filled with fillPlaceholders.)

inline constexpr const char* AppTitle = QT_TRANSLATE_NOOP("Texts", "VeskorReader");
inline constexpr const char* MainCaption
    = QT_TRANSLATE_NOOP("Texts", "VeskorReader %1 (Ford EEC-IV)");
// Texts of our own: a run on the built-in simulator says so in the title and status bar.
inline constexpr const char* CaptionSimulation
    = QT_TRANSLATE_NOOP("Texts", " — симуляция, без автомобиля");
inline constexpr const char* StatusSimulation = QT_TRANSLATE_NOOP("Texts", "Симуляция");
inline constexpr const char* SelectedVehicle = QT_TRANSLATE_NOOP("Texts", "Выбранный автомобиль:");
inline constexpr const char* ActConnect = QT_TRANSLATE_NOOP("Texts", "Подключить");
inline constexpr const char* ActResetModule = QT_TRANSLATE_NOOP("Texts", "Сброс модуля");
inline constexpr const char* HintResetModule
    = QT_TRANSLATE_NOOP("Texts", "Сброс и перезагрузка диагностического модуля");
inline constexpr const char* ActDisconnect = QT_TRANSLATE_NOOP("Texts", "Отключить");
inline constexpr const char* HintDisconnect
    = QT_TRANSLATE_NOOP("Texts", "Отключение от адаптера и освобождение COM-порта");
inline constexpr const char* MenuSkin = QT_TRANSLATE_NOOP("Texts", "Скин");
inline constexpr const char* SkinDark = QT_TRANSLATE_NOOP("Texts", "Тёмная");
inline constexpr const char* PageVehicles = QT_TRANSLATE_NOOP("Texts", "Автомобили");
inline constexpr const char* PageFaults = QT_TRANSLATE_NOOP("Texts", "Коды ошибок");
inline constexpr const char* PageLiveData = QT_TRANSLATE_NOOP("Texts", "Данные");
inline constexpr const char* PageTrends = QT_TRANSLATE_NOOP("Texts", "Тренды");
inline constexpr const char* PageDump = QT_TRANSLATE_NOOP("Texts", "Память");
inline constexpr const char* PageOptions = QT_TRANSLATE_NOOP("Texts", "Настройки");
inline constexpr const char* PageHelp = QT_TRANSLATE_NOOP("Texts", "Справка");
inline constexpr const char* PanelMatrix = QT_TRANSLATE_NOOP("Texts", "Матрица");
inline constexpr const char* PanelLog = QT_TRANSLATE_NOOP("Texts", "Журнал");
// The toolbar's switch of the matrix and the log; the debug menu, shown with --debug or
// Debug=1 in reader.ini.
inline constexpr const char* ActShowPanels = QT_TRANSLATE_NOOP("Texts", "Панели");
inline constexpr const char* HintShowPanels
    = QT_TRANSLATE_NOOP("Texts", "Показать или скрыть матрицу и журнал справа");
inline constexpr const char* MenuDebug = QT_TRANSLATE_NOOP("Texts", "Отладка");
// The dashboard alone on the whole screen.
inline constexpr const char* ActFullScreen = QT_TRANSLATE_NOOP("Texts", "Во весь экран");
inline constexpr const char* HintFullScreen
    = QT_TRANSLATE_NOOP("Texts", "Панель приборов во весь экран (F11); назад — Esc или F11");
// Its corner: the module's state, and the stream's cycle (%1: "120 мс").
inline constexpr const char* FullScreenCycle = QT_TRANSLATE_NOOP("Texts", "цикл %1");
inline constexpr const char* CleanLog = QT_TRANSLATE_NOOP("Texts", "Очистить");
inline constexpr const char* HintCleanLog
    = QT_TRANSLATE_NOOP("Texts", "Очистить окно системного журнала");
inline constexpr const char* LogConnecting = QT_TRANSLATE_NOOP("Texts", "Подключение...");
inline constexpr const char* NoProfiles = QT_TRANSLATE_NOOP(
    "Texts", "Не найдено профилей отображения данных!\rПроверьте наличие файлов в папке %s");
inline constexpr const char* PlaceholderPage
    = QT_TRANSLATE_NOOP("Texts", "Страница «%1» появится в следующей версии.");

// Status bar: captions and the texts the link events write.
inline constexpr const char* StatusModule = QT_TRANSLATE_NOOP("Texts", "Модуль:");
inline constexpr const char* StatusVersion = QT_TRANSLATE_NOOP("Texts", "Версия:");
inline constexpr const char* StatusMode = QT_TRANSLATE_NOOP("Texts", "Режим:");
inline constexpr const char* ModuleDisconnected = QT_TRANSLATE_NOOP("Texts", "отключен");
inline constexpr const char* ModuleSearching = QT_TRANSLATE_NOOP("Texts", "поиск.");
inline constexpr const char* ModuleConnected = QT_TRANSLATE_NOOP("Texts", "подключен");
inline constexpr const char* ModuleUnavailable = QT_TRANSLATE_NOOP("Texts", "недоступен");
inline constexpr const char* VersionNone = QT_TRANSLATE_NOOP("Texts", "0.00");
inline constexpr const char* ModeNoLink = QT_TRANSLATE_NOOP("Texts", "Нет связи");
inline constexpr const char* ModeNoEec = QT_TRANSLATE_NOOP("Texts", "нет связи с EEC");
inline constexpr const char* ModeExchange = QT_TRANSLATE_NOOP("Texts", "Обмен с EEC-IV");
inline constexpr const char* ModeNoEecIv = QT_TRANSLATE_NOOP("Texts", "Нет связи с EEC-IV");

// Vehicles page.
inline constexpr const char* ActAddAuto = QT_TRANSLATE_NOOP("Texts", "Добавить автомобиль");
inline constexpr const char* ActEditAuto = QT_TRANSLATE_NOOP("Texts", "Редактировать автомобиль");
inline constexpr const char* ActDeleteAuto = QT_TRANSLATE_NOOP("Texts", "Удалить автомобиль");
inline constexpr const char* DeleteAutoQuestion
    = QT_TRANSLATE_NOOP("Texts", "Удалить автомобиль из списка?");
inline constexpr const char* NoDiagnosis = QT_TRANSLATE_NOOP("Texts", "---");
// Texts of our own: a register that could not be read is left as it is.
inline constexpr const char* RegisterKept = QT_TRANSLATE_NOOP("Texts",
    "%1\nСписок автомобилей не будет перезаписан, пока программа работает: исправьте "
    "или переименуйте файл и перезапустите программу.");

// Fault codes page.
inline constexpr const char* ActReadFaults = QT_TRANSLATE_NOOP("Texts", "Читать коды");
inline constexpr const char* HintReadFaults
    = QT_TRANSLATE_NOOP("Texts", "Считать сохранённые коды ошибок");
inline constexpr const char* ActClearFaults = QT_TRANSLATE_NOOP("Texts", "Стереть коды");
inline constexpr const char* HintClearFaults
    = QT_TRANSLATE_NOOP("Texts", "Стереть сохранённые коды ошибок");
inline constexpr const char* ActInvokeTest = QT_TRANSLATE_NOOP("Texts", "Запустить тест");
inline constexpr const char* HintInvokeTest
    = QT_TRANSLATE_NOOP("Texts", "Запустить тест KOEO/KOER");
inline constexpr const char* ActCopy = QT_TRANSLATE_NOOP("Texts", "Копировать");
inline constexpr const char* HintCopy
    = QT_TRANSLATE_NOOP("Texts", "Копировать текст отчёта в буфер обмена");
inline constexpr const char* ActSaveReport = QT_TRANSLATE_NOOP("Texts", "Сохранить отчёт");
inline constexpr const char* HintSaveReport = QT_TRANSLATE_NOOP(
    "Texts", "Сохранить в HTML-файле отчёт по результатам чтения ошибок/теста двигателя");
inline constexpr const char* ReadingFaults = QT_TRANSLATE_NOOP("Texts", "Обработка команды...");
// Texts of our own: how a fault exchange ended, each outcome in words of its own.
inline constexpr const char* FaultsNoneStored
    = QT_TRANSLATE_NOOP("Texts", "Сохранённых кодов неисправностей нет.");
inline constexpr const char* FaultsRead
    = QT_TRANSLATE_NOOP("Texts", "Прочитано кодов неисправностей: %1.");
inline constexpr const char* FaultsCleared
    = QT_TRANSLATE_NOOP("Texts", "Коды неисправностей стёрты из памяти ЭБУ.");
inline constexpr const char* FaultsTestClean
    = QT_TRANSLATE_NOOP("Texts", "Самотест завершён: неисправностей не найдено.");
inline constexpr const char* FaultsTestFound
    = QT_TRANSLATE_NOOP("Texts", "Самотест завершён: найдено кодов: %1.");
inline constexpr const char* FaultsNoAnswer = QT_TRANSLATE_NOOP("Texts",
    "ЭБУ не ответил. Проверьте, что ключ зажигания включён, а кабель адаптера надёжно "
    "подключён к диагностическому разъёму, и повторите. Прежний результат сохранён.");
inline constexpr const char* FaultsTestTimedOut = QT_TRANSLATE_NOOP("Texts",
    "Самотест не завершился за %1 с: ЭБУ не прислал результат. Проверьте ключ "
    "зажигания и кабель адаптера и повторите тест. Прежний результат сохранён.");
inline constexpr const char* FaultsTestCancelled
    = QT_TRANSLATE_NOOP("Texts", "Самотест прерван. Прежний результат сохранён.");
inline constexpr const char* FaultsReadCancelled
    = QT_TRANSLATE_NOOP("Texts", "Обмен с ЭБУ прерван. Прежний результат сохранён.");
inline constexpr const char* FaultsPortLost = QT_TRANSLATE_NOOP(
    "Texts", "Связь с адаптером потеряна: проверьте кабель и порт. Прежний результат сохранён.");
inline constexpr const char* FaultsTestProgress
    = QT_TRANSLATE_NOOP("Texts", "Самотест: прошло %1 с, осталось %2 с");
inline constexpr const char* ActCancelTest = QT_TRANSLATE_NOOP("Texts", "Прервать");
// The self-test's guide: what the car needs before the test and what the mechanic does
// while it runs, as the ECU's self-test procedure asks.
inline constexpr const char* SelfTestCaption = QT_TRANSLATE_NOOP("Texts", "Самотест двигателя");
inline constexpr const char* SelfTestQuestion
    = QT_TRANSLATE_NOOP("Texts", "К какому тесту готов автомобиль?");
inline constexpr const char* SelfTestKoeo
    = QT_TRANSLATE_NOOP("Texts", "KOEO: ключ включён, двигатель не работает");
inline constexpr const char* SelfTestKoer = QT_TRANSLATE_NOOP("Texts", "KOER: двигатель работает");
inline constexpr const char* SelfTestBefore = QT_TRANSLATE_NOOP("Texts", "Перед тестом:");
inline constexpr const char* SelfTestDuring = QT_TRANSLATE_NOOP("Texts", "Во время теста:");
inline constexpr const char* SelfTestEcuChooses = QT_TRANSLATE_NOOP("Texts",
    "Какой тест выполнить, ЭБУ решает сам: при работающем двигателе он проводит KOER, "
    "при заглушённом — KOEO.");
inline constexpr const char* SelfTestStart = QT_TRANSLATE_NOOP("Texts", "Начать тест");
inline constexpr const char* SelfTestBack = QT_TRANSLATE_NOOP("Texts", "Отмена");
inline constexpr const char* SelfTestWarm
    = QT_TRANSLATE_NOOP("Texts", "Двигатель прогрет до рабочей температуры.");
inline constexpr const char* SelfTestGear = QT_TRANSLATE_NOOP(
    "Texts", "Рычаг КПП в положении P (автомат) или N (механика), стояночный тормоз затянут.");
inline constexpr const char* SelfTestAccessories = QT_TRANSLATE_NOOP(
    "Texts", "Фары, обогрев, вентилятор, магнитола и другие потребители выключены.");
inline constexpr const char* SelfTestAirCon = QT_TRANSLATE_NOOP("Texts", "Кондиционер выключен.");
inline constexpr const char* SelfTestKeyOn
    = QT_TRANSLATE_NOOP("Texts", "Ключ зажигания в положении ON, двигатель не запущен.");
inline constexpr const char* SelfTestEngineRuns = QT_TRANSLATE_NOOP("Texts",
    "Двигатель работает на холостом ходу. Перед тестом дайте ему 2 минуты поработать на "
    "2000 об/мин, чтобы прогрелся датчик кислорода.");
inline constexpr const char* SelfTestHandsOff
    = QT_TRANSLATE_NOOP("Texts", "Не запускайте двигатель и не трогайте педали до конца теста.");
inline constexpr const char* SelfTestBrake
    = QT_TRANSLATE_NOOP("Texts", "Сразу после начала теста нажмите и отпустите педаль тормоза.");
inline constexpr const char* SelfTestSteering = QT_TRANSLATE_NOOP(
    "Texts", "Затем поверните руль на пол-оборота и отпустите (датчик давления гидроусилителя).");
inline constexpr const char* SelfTestOverdrive = QT_TRANSLATE_NOOP(
    "Texts", "Если есть кнопка отмены овердрайва (O/D OFF), нажмите её и отпустите.");
inline constexpr const char* SelfTestThrottle = QT_TRANSLATE_NOOP("Texts",
    "Когда ЭБУ попросит (код динамической проверки 10), коротко нажмите педаль газа до "
    "упора и отпустите. В другое время газ не трогайте.");
// %1: KOEO or KOER.
inline constexpr const char* SelfTestRunning = QT_TRANSLATE_NOOP("Texts", "Идёт самотест %1");
// The verdict above the codes once the self-test has ended.
inline constexpr const char* VerdictPass = QT_TRANSLATE_NOOP("Texts", "Неисправностей не найдено");
// %1: the number of codes; the word follows the number.
inline constexpr const char* VerdictFoundOne = QT_TRANSLATE_NOOP("Texts", "Найден %1 код");
inline constexpr const char* VerdictFoundFew = QT_TRANSLATE_NOOP("Texts", "Найдено %1 кода");
inline constexpr const char* VerdictFoundMany = QT_TRANSLATE_NOOP("Texts", "Найдено %1 кодов");
inline constexpr const char* VerdictNoAnswer = QT_TRANSLATE_NOOP("Texts", "ЭБУ не ответил");
inline constexpr const char* VerdictNoList
    = QT_TRANSLATE_NOOP("Texts", "ЭБУ завершил тест без списка кодов");
inline constexpr const char* VerdictCancelled = QT_TRANSLATE_NOOP("Texts", "Самотест прерван");
inline constexpr const char* VerdictPortLost
    = QT_TRANSLATE_NOOP("Texts", "Связь с адаптером потеряна");
inline constexpr const char* ClearQuestion
    = QT_TRANSLATE_NOOP("Texts", "Стереть коды неисправностей из памяти ЭБУ?");
inline constexpr const char* ClearUnsavedQuestion = QT_TRANSLATE_NOOP("Texts",
    "Коды на странице не сохранены в отчёт и не скопированы: после стирания их не "
    "прочитать снова.\nВсё равно стереть коды неисправностей из памяти ЭБУ?");
inline constexpr const char* NothingToSave
    = QT_TRANSLATE_NOOP("Texts", "Нечего сохранять: сначала прочитайте коды.");
inline constexpr const char* NothingToCopy
    = QT_TRANSLATE_NOOP("Texts", "Нечего копировать: сначала прочитайте коды.");
inline constexpr const char* ResultWithoutVehicle = QT_TRANSLATE_NOOP("Texts",
    "Коды прочитаны без выбранного автомобиля, отчёт некуда сохранить: выберите или "
    "добавьте автомобиль и прочитайте коды снова.");
inline constexpr const char* ReportSaved = QT_TRANSLATE_NOOP("Texts", "Отчёт сохранён: %1");
inline constexpr const char* ResultCopied
    = QT_TRANSLATE_NOOP("Texts", "Результат скопирован в буфер обмена.");
inline constexpr const char* OpenFailed
    = QT_TRANSLATE_NOOP("Texts", "Не удалось открыть %1: в системе нет программы для этого файла.");
inline constexpr const char* ReportFolderFailed
    = QT_TRANSLATE_NOOP("Texts", "Не удалось создать папку отчёта %1.");
// Texts of our own: the report printed and saved as PDF, and what goes wrong on the way.
inline constexpr const char* ActPrintReport = QT_TRANSLATE_NOOP("Texts", "Печать");
inline constexpr const char* HintPrintReport
    = QT_TRANSLATE_NOOP("Texts", "Напечатать отчёт по результатам чтения ошибок");
inline constexpr const char* ActSaveReportPdf = QT_TRANSLATE_NOOP("Texts", "Сохранить PDF");
inline constexpr const char* HintSaveReportPdf
    = QT_TRANSLATE_NOOP("Texts", "Сохранить отчёт в PDF-файле");
inline constexpr const char* ReportPdfTitle = QT_TRANSLATE_NOOP("Texts", "Сохранить отчёт в PDF");
inline constexpr const char* ReportPdfFilter
    = QT_TRANSLATE_NOOP("Texts", "Документы PDF (*.pdf);;Все файлы (*)");
inline constexpr const char* NothingToPrint
    = QT_TRANSLATE_NOOP("Texts", "Нечего печатать: сначала прочитайте коды.");
inline constexpr const char* ReportPdfSaved
    = QT_TRANSLATE_NOOP("Texts", "Отчёт сохранён в PDF: %1");
inline constexpr const char* ReportPrinted
    = QT_TRANSLATE_NOOP("Texts", "Отчёт отправлен на печать: %1");
inline constexpr const char* ReportNotSaved = QT_TRANSLATE_NOOP("Texts", "Отчёт не сохранён: %1");
inline constexpr const char* ReportNotPrinted = QT_TRANSLATE_NOOP(
    "Texts", "Отчёт не напечатан: принтер %1 не принял задание. Проверьте принтер и повторите.");
// The car's earlier visits in a report: one line per fault read or self-test.
inline constexpr const char* VisitLine = QT_TRANSLATE_NOOP("Texts", "%1 — %2");
inline constexpr const char* VisitSelfTest = QT_TRANSLATE_NOOP("Texts", "самотест: %1");
inline constexpr const char* VisitNoCodes = QT_TRANSLATE_NOOP("Texts", "кодов нет");
inline constexpr const char* NoEarlierVisits
    = QT_TRANSLATE_NOOP("Texts", "Более ранних посещений нет");
inline constexpr const char* VisitsNotKept
    = QT_TRANSLATE_NOOP("Texts", "Не удалось записать историю посещений: %1");
inline constexpr const char* FaultCode = QT_TRANSLATE_NOOP("Texts", "Код:");
inline constexpr const char* FaultMode = QT_TRANSLATE_NOOP("Texts", "Режим:");
inline constexpr const char* FaultDescription = QT_TRANSLATE_NOOP("Texts", "Описание:");
inline constexpr const char* FaultComment = QT_TRANSLATE_NOOP("Texts", "Комментарий:");
inline constexpr const char* HeaderName = QT_TRANSLATE_NOOP("Texts", "Название:");
inline constexpr const char* HeaderDate = QT_TRANSLATE_NOOP("Texts", "Дата отчёта:");
inline constexpr const char* HeaderPlate = QT_TRANSLATE_NOOP("Texts", "Гос.номер:");
inline constexpr const char* HeaderModel = QT_TRANSLATE_NOOP("Texts", "Модель:");
inline constexpr const char* HeaderYear = QT_TRANSLATE_NOOP("Texts", "Год:");
inline constexpr const char* HeaderVIN = QT_TRANSLATE_NOOP("Texts", "VIN:");
inline constexpr const char* HeaderNotes = QT_TRANSLATE_NOOP("Texts", "Примечания:");
inline constexpr const char* CopyVehicleBlock = QT_TRANSLATE_NOOP("Texts",
    "Название: %s\r\nДата отчёта: %s\r\nГос.номер: %s\r\n"
    "Модель: %s\r\nГод выпуска: %s\r\nVIN: %s\r\n"
    "Примечания: %s \r\n\r\n");
inline constexpr const char* ReportTitle = QT_TRANSLATE_NOOP("Texts", "Коды ошибок");
// Text of our own: a template without its repeated block.
inline constexpr const char* ReportNoBlock = QT_TRANSLATE_NOOP(
    "Texts", "В шаблоне отчёта %1 нет блока %BEGIN% … %END%: отчёт не сохранён.");

// Options page (the port, interface and module groups).
// Text of our own: the workshop that heads every report.
inline constexpr const char* GroupWorkshop
    = QT_TRANSLATE_NOOP("Texts", " Мастерская (для отчётов) ");
inline constexpr const char* OptWorkshopName = QT_TRANSLATE_NOOP("Texts", "Название:");
inline constexpr const char* OptWorkshopContacts = QT_TRANSLATE_NOOP("Texts", "Адрес, телефон:");
inline constexpr const char* HintWorkshop
    = QT_TRANSLATE_NOOP("Texts", "Печатается в заголовке каждого отчёта");
// The units group: metric or imperial, and each quantity on its own.
inline constexpr const char* GroupUnits = QT_TRANSLATE_NOOP("Texts", " Единицы измерения ");
inline constexpr const char* OptUnitSystem = QT_TRANSLATE_NOOP("Texts", "Система:");
inline constexpr const char* UnitSystemMetric = QT_TRANSLATE_NOOP("Texts", "метрическая");
inline constexpr const char* UnitSystemImperial = QT_TRANSLATE_NOOP("Texts", "имперская");
inline constexpr const char* OptUnitTemperature = QT_TRANSLATE_NOOP("Texts", "Температура:");
inline constexpr const char* OptUnitSpeed = QT_TRANSLATE_NOOP("Texts", "Скорость:");
inline constexpr const char* OptUnitPressure = QT_TRANSLATE_NOOP("Texts", "Давление:");
// A quantity that takes the unit of the chosen system.
inline constexpr const char* UnitFollowsSystem = QT_TRANSLATE_NOOP("Texts", "по системе единиц");
inline constexpr const char* UnitsNextStart
    = QT_TRANSLATE_NOOP("Texts", "Новые единицы — со следующего запуска программы");
inline constexpr const char* GroupPort = QT_TRANSLATE_NOOP("Texts", " Настройки порта обмена ");
inline constexpr const char* OptPort = QT_TRANSLATE_NOOP("Texts", "Порт:");
inline constexpr const char* OptSpeed = QT_TRANSLATE_NOOP("Texts", "Скорость обмена:");
inline constexpr const char* HintSpeed
    = QT_TRANSLATE_NOOP("Texts", "Если не знаете какую ставить - ставьте 38400 бит/с");
inline constexpr const char* OptAutoConnect = QT_TRANSLATE_NOOP("Texts", "Подключать при запуске");
inline constexpr const char* OptBluetooth
    = QT_TRANSLATE_NOOP("Texts", "Доп. задержки для Bluetooth");
inline constexpr const char* HintBluetooth
    = QT_TRANSLATE_NOOP("Texts", "Используйте для корректной работы через адаптер Bluetooth");
inline constexpr const char* GroupInterface = QT_TRANSLATE_NOOP("Texts", " Интерфейс ");
inline constexpr const char* OptDescLang = QT_TRANSLATE_NOOP("Texts", "Описание ошибок:");
inline constexpr const char* LangRussian = QT_TRANSLATE_NOOP("Texts", "по-русски");
inline constexpr const char* LangEnglish = QT_TRANSLATE_NOOP("Texts", "по-английски");
// The language of the window, taken at the next start: the system's, or one of the two.
inline constexpr const char* OptLanguage = QT_TRANSLATE_NOOP("Texts", "Язык программы:");
inline constexpr const char* LanguageSystem = QT_TRANSLATE_NOOP("Texts", "как в системе");
inline constexpr const char* LanguageRussian = QT_TRANSLATE_NOOP("Texts", "русский");
inline constexpr const char* LanguageEnglish = QT_TRANSLATE_NOOP("Texts", "английский");
inline constexpr const char* LanguageAtRestart
    = QT_TRANSLATE_NOOP("Texts", "Язык сменится при следующем запуске программы.");
inline constexpr const char* OptContrast = QT_TRANSLATE_NOOP("Texts", "Контраст таблиц:");
inline constexpr const char* GroupModule = QT_TRANSLATE_NOOP("Texts", " Опции модуля ");
inline constexpr const char* HintEECSpeed
    = QT_TRANSLATE_NOOP("Texts", "У большинства модулей - 9600");
inline constexpr const char* HintDataFormat = QT_TRANSLATE_NOOP("Texts", "Тут всегда ставьте BIN!");
inline constexpr const char* ActReadOptions = QT_TRANSLATE_NOOP("Texts", "Прочитать");
inline constexpr const char* HintReadOptions = QT_TRANSLATE_NOOP("Texts", "Прочитать опции модуля");
inline constexpr const char* ActApplyOptions = QT_TRANSLATE_NOOP("Texts", "Сохранить");
inline constexpr const char* HintApplyOptions
    = QT_TRANSLATE_NOOP("Texts", "Записать настройки в памяти модуля");
inline constexpr const char* RestartQuestion
    = QT_TRANSLATE_NOOP("Texts", "Перезапустить модуль после сохранения настроек?");
inline constexpr const char* GroupFirmware
    = QT_TRANSLATE_NOOP("Texts", " Обновление прошивки модуля ");
inline constexpr const char* FlashFirmware = QT_TRANSLATE_NOOP("Texts", "Обновить прошивку");
inline constexpr const char* FirmwareNote
    = QT_TRANSLATE_NOOP("Texts", "Прошивка находится в файле с расширением .bin");
inline constexpr const char* FirmwareDialogTitle
    = QT_TRANSLATE_NOOP("Texts", "Укажите файл прошивки");
inline constexpr const char* FirmwareFilter
    = QT_TRANSLATE_NOOP("Texts", "Файлы прошивки (*.bin);;Все файлы (*)");
// Text of our own: the built-in simulator in the port list.
inline constexpr const char* PortSimulator = QT_TRANSLATE_NOOP("Texts", "sim");

// Live data page and the matrix panel.
inline constexpr const char* ActStartData = QT_TRANSLATE_NOOP("Texts", "Старт чтения");
inline constexpr const char* ActStopData = QT_TRANSLATE_NOOP("Texts", "Стоп чтения");
inline constexpr const char* LiveProfile = QT_TRANSLATE_NOOP("Texts", "Профиль:");
inline constexpr const char* MatrixUpdate = QT_TRANSLATE_NOOP("Texts", "Обновлять");
inline constexpr const char* HintUpdateFreq
    = QT_TRANSLATE_NOOP("Texts", "Частота обновления параметров");
inline constexpr const char* HintCount
    = QT_TRANSLATE_NOOP("Texts", "Макс. глубина буфера приёма данных");
// Texts of our own: profile definition errors of one load, shown together.
inline constexpr const char* ProfileErrorsTitle
    = QT_TRANSLATE_NOOP("Texts", "Ошибки в профилях отображения:");

// Help page.
inline constexpr const char* HelpTitle = QT_TRANSLATE_NOOP("Texts", "Диагностика EEC-IV");
inline constexpr const char* HelpGuide = QT_TRANSLATE_NOOP("Texts", "Руководство пользователя");
inline constexpr const char* HintHelpGuide
    = QT_TRANSLATE_NOOP("Texts", "Нажмите, чтобы открыть руководство пользователя");
inline constexpr const char* HelpAbout = QT_TRANSLATE_NOOP("Texts",
    "VeskorReader %1 — диагностика автомобилей Ford с блоком управления EEC-IV "
    "через диагностический модуль на последовательном порту.");

// Command line of the window (texts of our own).
inline constexpr const char* NoDisplay = QT_TRANSLATE_NOOP("Texts",
    "veskor-reader: нет дисплея (не задан DISPLAY или WAYLAND_DISPLAY). Запустите окно под "
    "виртуальным дисплеем: xvfb-run %1 --simulator, или работайте без "
    "окна через veskor-cli (veskor-cli --help).");
inline constexpr const char* WindowUsage = QT_TRANSLATE_NOOP("Texts",
    "Использование: veskor-reader [--home ПАПКА] [--lang ru|en] [--simulator] [--screenshots "
    "ПАПКА]\n"
    "       [--live [--profile ФАЙЛ]] [--measure ФАЙЛ] [--quit-when-shown] [--debug]\n"
    "  --home ПАПКА        папка программы (reader.ini, autos.ini, Profiles, Reports)\n"
    "  --lang ru|en        язык окна на этот запуск (иначе из настроек или системы)\n"
    "  --simulator         подключиться к встроенному симулятору (порт «sim»)\n"
    "  --screenshots ПАПКА подключиться, прочитать коды, сохранить снимки страниц и выйти\n"
    "  --live              открыть страницу «Данные» и начать чтение после подключения\n"
    "  --profile ФАЙЛ      профиль отображения для --live (иначе сохранённый)\n"
    "  --measure ФАЙЛ      при выходе записать замеры потока: задержку, ЦП, память\n"
    "  --quit-when-shown   выйти, как только окно показано, и напечатать время запуска\n"
    "  --debug             показать меню «Отладка» (тестовые сигналы, история PID 255)");
// The start-up figure of --quit-when-shown (%1: milliseconds).
inline constexpr const char* ShownAfter = QT_TRANSLATE_NOOP("Texts", "shown after %1 ms");
inline constexpr const char* ScreenshotsSaved
    = QT_TRANSLATE_NOOP("Texts", "Снимки страниц сохранены в %1");

// ---- A link that comes back ------------------------------------------------

inline constexpr const char* OptAutoReconnect
    = QT_TRANSLATE_NOOP("Texts", "Восстанавливать связь при обрыве");
inline constexpr const char* HintAutoReconnect = QT_TRANSLATE_NOOP(
    "Texts", "Если адаптер пропал во время приёма данных, подключаться снова и продолжать приём");
// %s: seconds until the next attempt.
inline constexpr const char* ReconnectWaiting
    = QT_TRANSLATE_NOOP("Texts", "Связь с адаптером потеряна, повтор через %s с");
// %s: the attempt.
inline constexpr const char* ReconnectTrying
    = QT_TRANSLATE_NOOP("Texts", "Связь с адаптером потеряна, подключение (попытка %s)...");
inline constexpr const char* ReconnectResumed
    = QT_TRANSLATE_NOOP("Texts", "Связь восстановлена, приём данных продолжен");
// %s: the code found, %s: the code before the drop.
inline constexpr const char* ReconnectOtherCar = QT_TRANSLATE_NOOP(
    "Texts", "Другой автомобиль (калибровка %s вместо %s): приём данных не возобновлён");
inline constexpr const char* ReconnectLost
    = QT_TRANSLATE_NOOP("Texts", "Связь с адаптером потеряна");
inline constexpr const char* LogStreamSilent = QT_TRANSLATE_NOOP("Texts",
    "Поток данных прервался: нет данных от адаптера. Проверьте кабель адаптера и включено ли "
    "зажигание");
// Memory page.
inline constexpr const char* ActDumpFull = QT_TRANSLATE_NOOP("Texts", "Считать RAM+ROM...");
inline constexpr const char* HintDumpFull = QT_TRANSLATE_NOOP(
    "Texts", "Считать в файл содержимое оперативной и постоянной памяти целиком (65536 байт)");
inline constexpr const char* ActDumpRam = QT_TRANSLATE_NOOP("Texts", "Считать RAM...");
inline constexpr const char* HintDumpRam
    = QT_TRANSLATE_NOOP("Texts", "Считать содержимое оперативной памяти (8192 байт)");
inline constexpr const char* ActReadDump = QT_TRANSLATE_NOOP("Texts", "Прочитать из файла...");
inline constexpr const char* ActDumpStop = QT_TRANSLATE_NOOP("Texts", "Стоп чтения");
inline constexpr const char* MemTabAdapt = QT_TRANSLATE_NOOP("Texts", "Таблицы адаптации");
inline constexpr const char* MemTabInjection = QT_TRANSLATE_NOOP("Texts", "Карта впрыска топлива");
inline constexpr const char* MemTabIgnition
    = QT_TRANSLATE_NOOP("Texts", "Карта опережения зажигания");
inline constexpr const char* MemTabEnrichment
    = QT_TRANSLATE_NOOP("Texts", "Карта обогащения смеси");
inline constexpr const char* MemInProgress = QT_TRANSLATE_NOOP("Texts", "В процессе... ;-)");
inline constexpr const char* MemLoadCaption = QT_TRANSLATE_NOOP("Texts", "Нагрузка, %");
inline constexpr const char* MemRpmCaption
    = QT_TRANSLATE_NOOP("Texts", "Обороты двигателя, об/мин");
inline constexpr const char* MemIdle = QT_TRANSLATE_NOOP("Texts", "Холостой ход:");
inline constexpr const char* MemIdleDrive = QT_TRANSLATE_NOOP("Texts", "В движении");
inline constexpr const char* MemIdleDriveAc
    = QT_TRANSLATE_NOOP("Texts", "В движении + кондиционер");
inline constexpr const char* MemIdleNeutral = QT_TRANSLATE_NOOP("Texts", "На нейтрали");
inline constexpr const char* MemIdleNeutralAc
    = QT_TRANSLATE_NOOP("Texts", "На нейтрали + кондиционер");
// The last two idle values, whose use the ECU does not tell: by their place in the area.
inline constexpr const char* MemIdleUnknown4
    = QT_TRANSLATE_NOOP("Texts", "Назначение неизвестно (байт 84)");
inline constexpr const char* MemIdleUnknown5
    = QT_TRANSLATE_NOOP("Texts", "Назначение неизвестно (байт 85)");
inline constexpr const char* MemChecksum = QT_TRANSLATE_NOOP("Texts", "Контрольная сумма:");
inline constexpr const char* HintAdaptChecksum = QT_TRANSLATE_NOOP(
    "Texts", "Зеленая - совпадает с сохранённой в памяти, красная - не совпадает");
inline constexpr const char* MemReadAdapt = QT_TRANSLATE_NOOP("Texts", "Прочитать из EEC-IV");
inline constexpr const char* MemTestTab
    = QT_TRANSLATE_NOOP("Texts", "Тестовая вкладка для попыток расшифровать всякие таблицы");
inline constexpr const char* MemBaseAddress = QT_TRANSLATE_NOOP("Texts", "Базовый адрес (HEX):");
inline constexpr const char* MemKnownAddresses
    = QT_TRANSLATE_NOOP("Texts", "Разведанные адреса для Escort: C112, C200, C304, C69D, C73E");
inline constexpr const char* MemSaveTitle
    = QT_TRANSLATE_NOOP("Texts", "Укажите файл образа памяти EEC-IV для сохранения");
inline constexpr const char* MemOpenTitle
    = QT_TRANSLATE_NOOP("Texts", "Укажите файл образа памяти EEC-IV");
inline constexpr const char* MemFilter
    = QT_TRANSLATE_NOOP("Texts", "Файлы образов памяти (*.bin);;Все файлы (*)");
// Texts of our own: the dashboard drawn to fit its page or at its own size, and why the
// adaptive tables are read from address 0.
inline constexpr const char* LiveFit = QT_TRANSLATE_NOOP("Texts", "По размеру");
// The matrix readout of the interval between complete cycles (%1: milliseconds).
inline constexpr const char* MatrixIntervalMs = QT_TRANSLATE_NOOP("Texts", "%1 мс");
inline constexpr const char* HintLiveFit = QT_TRANSLATE_NOOP(
    "Texts", "Вписать панель в страницу с сохранением пропорций; выключено — масштаб 1:1");
inline constexpr const char* LogMemNoCarProfile
    = QT_TRANSLATE_NOOP("Texts", "Таблицы адаптации: %1; адреса приняты равными 0.");

// ---- live data page, matrix and options page ----
inline constexpr const char* LiveTest
    = QT_TRANSLATE_NOOP("Texts", "Тестовый сигнал адаптера (PID 255)");
inline constexpr const char* HintLiveTest
    = QT_TRANSLATE_NOOP("Texts", "Включить или выключить тестовый сигнал (PID 255)");
inline constexpr const char* LiveDump
    = QT_TRANSLATE_NOOP("Texts", "Записать историю PID 255 в dumpdata.txt");
inline constexpr const char* HintLiveDump
    = QT_TRANSLATE_NOOP("Texts", "Записать историю PID 255 в файл dumpdata.txt в папке программы");
inline constexpr const char* LiveNoProfile = QT_TRANSLATE_NOOP(
    "Texts", "Профиль не выбран: выберите профиль отображения в списке «Профиль:».");
inline constexpr const char* LiveProfileMissing
    = QT_TRANSLATE_NOOP("Texts", "Файл профиля %1 не найден");
inline constexpr const char* MeasureUnwritable
    = QT_TRANSLATE_NOOP("Texts", "Не удалось записать результаты замеров в %1: %2");
// ---- Trends page and trend cursors ----
// The cursor box's row of the time between the cursors.
inline constexpr const char* TrendCursorTime = QT_TRANSLATE_NOOP("Texts", "Δt, с");
// Over a stretch of a trend where the stream paused.
inline constexpr const char* TrendPauseMark = QT_TRANSLATE_NOOP("Texts", "пауза");
inline constexpr const char* TrendsTestSignalAction
    = QT_TRANSLATE_NOOP("Texts", "Тестовый сигнал окна на графике (PID 255)");
inline constexpr const char* TrendsWholeHistory
    = QT_TRANSLATE_NOOP("Texts", "Показать всю историю");
inline constexpr const char* HintTrendsTestSignal = QT_TRANSLATE_NOOP(
    "Texts", "Тестовый сигнал окна (PID 255) вкл/выкл; график следует за новыми данными");
inline constexpr const char* HintTrendsWholeHistory
    = QT_TRANSLATE_NOOP("Texts", "Вся записанная история в одном окне");
inline constexpr const char* HintTrendsBackWindow
    = QT_TRANSLATE_NOOP("Texts", "Назад на целое окно");
inline constexpr const char* HintTrendsBackHalf = QT_TRANSLATE_NOOP("Texts", "Назад на пол-окна");
inline constexpr const char* HintTrendsForwardHalf
    = QT_TRANSLATE_NOOP("Texts", "Вперёд на пол-окна");
inline constexpr const char* HintTrendsFollow
    = QT_TRANSLATE_NOOP("Texts", "К новым данным: график следует за ними");
inline constexpr const char* HintTrendsChart = QT_TRANSLATE_NOOP("Texts",
    "Колесо — масштаб времени, перетаскивание — сдвиг, щелчок — курсор A, правый щелчок — "
    "курсор B, Esc — убрать курсоры, двойной щелчок — к новым данным");
inline constexpr const char* TrendsRpm = QT_TRANSLATE_NOOP("Texts", "Обороты");
inline constexpr const char* TrendsCoolant = QT_TRANSLATE_NOOP("Texts", "Темп. ОЖ");
inline constexpr const char* TrendsThrottle = QT_TRANSLATE_NOOP("Texts", "Дроссель");
inline constexpr const char* TrendsTestSignal = QT_TRANSLATE_NOOP("Texts", "Тест");

// ---- Memory page: dump files and their comparison ----
// A dump file that does not fill the image exactly (%1 the file, %2 its size, %3 the
// image's size).
inline constexpr const char* LogMemDumpShort = QT_TRANSLATE_NOOP(
    "Texts", "Файл %1 содержит %2 байт из %3: образ памяти заполнен только до его конца.");
inline constexpr const char* LogMemDumpLong
    = QT_TRANSLATE_NOOP("Texts", "Файл %1 содержит %2 байт: в образ памяти взяты первые %3.");
inline constexpr const char* LogMemDumpLoaded
    = QT_TRANSLATE_NOOP("Texts", "Образ памяти загружен из файла %1.");
// A dump file offered while a memory read is queued or running.
inline constexpr const char* LogMemLoadBusy = QT_TRANSLATE_NOOP("Texts",
    "Идёт чтение памяти: файл не загружен. Дождитесь конца чтения или нажмите «Стоп чтения».");
inline constexpr const char* MemReadError
    = QT_TRANSLATE_NOOP("Texts", "Не удалось прочитать файл %1: %2");
inline constexpr const char* HintDumpStop
    = QT_TRANSLATE_NOOP("Texts", "Прервать идущее чтение памяти");
// The comparison of the adaptive tables of two dumps of the vehicle.
inline constexpr const char* MemTabCompare = QT_TRANSLATE_NOOP("Texts", "Сравнение визитов");
inline constexpr const char* MemCompareHint
    = QT_TRANSLATE_NOOP("Texts", "Снимки памяти автомобиля (выберите два):");
inline constexpr const char* MemCompareRefresh = QT_TRANSLATE_NOOP("Texts", "Обновить список");
inline constexpr const char* MemCompareChooseTwo = QT_TRANSLATE_NOOP(
    "Texts", "Выберите в списке два снимка памяти, чтобы сравнить их таблицы адаптации.");
// %1 values that differ, %2 all values compared.
inline constexpr const char* MemCompareSummary = QT_TRANSLATE_NOOP(
    "Texts", "Изменилось значений: %1 из %2 (красный - выросло, зелёный - уменьшилось)");
inline constexpr const char* MemCompareShortFile = QT_TRANSLATE_NOOP("Texts", "нет данных");
// ---- Session recording -------------------------------------------------------
// These take their arguments with QString::arg (%1, %2, %3).

inline constexpr const char* RecordingWriteFailed
    = QT_TRANSLATE_NOOP("Texts", "Не удалось записать сеанс в %1: %2");
inline constexpr const char* RecordingUnreadable
    = QT_TRANSLATE_NOOP("Texts", "Не удалось прочитать запись %1: %2");
inline constexpr const char* RecordingNotOne
    = QT_TRANSLATE_NOOP("Texts", "Файл %1 не является записью сеанса");
inline constexpr const char* RecordingNewer = QT_TRANSLATE_NOOP(
    "Texts", "Запись %1 сделана более новой версией программы и не может быть прочитана");
inline constexpr const char* RecordingHeaderDamaged
    = QT_TRANSLATE_NOOP("Texts", "Заголовок записи %1 повреждён");
// %2: bytes, %3: seconds of the recording that were read.
inline constexpr const char* RecordingPartLost = QT_TRANSLATE_NOOP(
    "Texts", "Запись %1 повреждена или оборвана: %2 байт не прочитано, прочитано %3 с");
inline constexpr const char* RecordingNoFolder
    = QT_TRANSLATE_NOOP("Texts", "не удалось создать папку");
inline constexpr const char* OptRecordSessions = QT_TRANSLATE_NOOP("Texts", "Записывать сеансы");
inline constexpr const char* HintRecordSessions = QT_TRANSLATE_NOOP(
    "Texts", "Каждый сеанс чтения данных записывается в папку Recordings текущего автомобиля");
inline constexpr const char* ActRecordings = QT_TRANSLATE_NOOP("Texts", "Записи сеансов...");
// The folder of reports, recordings and dumps on the options page.
inline constexpr const char* OptDocumentsFolder = QT_TRANSLATE_NOOP("Texts", "Папка документов:");
inline constexpr const char* HintDocumentsFolder = QT_TRANSLATE_NOOP(
    "Texts", "Сюда сохраняются отчёты (Reports), записи сеансов (Recordings) и дампы (Dumps)");
inline constexpr const char* ActChooseDocumentsFolder = QT_TRANSLATE_NOOP("Texts", "Выбрать...");
inline constexpr const char* DocumentsFolderTitle
    = QT_TRANSLATE_NOOP("Texts", "Папка для отчётов, записей и дампов");
inline constexpr const char* RecordingsTitle = QT_TRANSLATE_NOOP("Texts", "Записи сеансов: %1");
inline constexpr const char* RecordingsNoVehicle = QT_TRANSLATE_NOOP("Texts", "без автомобиля");
// A line of the list: %1 the file's name, %2 its size in megabytes.
inline constexpr const char* RecordingsItem = QT_TRANSLATE_NOOP("Texts", "%1 (%2 МБ)");
inline constexpr const char* RecordingsDelete = QT_TRANSLATE_NOOP("Texts", "Удалить");
inline constexpr const char* RecordingsDeleteQuestion
    = QT_TRANSLATE_NOOP("Texts", "Удалить выбранные записи (%1)?");
inline constexpr const char* RecordingsDeleteFailed
    = QT_TRANSLATE_NOOP("Texts", "Не удалось удалить %1");
// ---- fault matrix ----
// The last line of an update whose port would not open.
inline constexpr const char* LogFirmwareFailedPort
    = QT_TRANSLATE_NOOP("Texts", "Обновление прошивки не выполнено: порт не открылся!");

// ---- Replay of recorded sessions ----------------------------------------

inline constexpr const char* ActOpenRecording = QT_TRANSLATE_NOOP("Texts", "Открыть запись...");
inline constexpr const char* HintOpenRecording = QT_TRANSLATE_NOOP(
    "Texts", "Воспроизвести записанный сеанс данных на панели, в матрице и в трендах");
inline constexpr const char* ActVehicleRecordings = QT_TRANSLATE_NOOP("Texts", "Записи...");
inline constexpr const char* HintVehicleRecordings
    = QT_TRANSLATE_NOOP("Texts", "Открыть запись сеанса данных выбранного автомобиля");
inline constexpr const char* RecordingOpenTitle
    = QT_TRANSLATE_NOOP("Texts", "Укажите запись сеанса данных");
// %1: the pattern of the recordings' file names.
inline constexpr const char* RecordingFilter
    = QT_TRANSLATE_NOOP("Texts", "Записи сеансов данных (%1);;Все файлы (*)");
inline constexpr const char* ReplayStopStream
    = QT_TRANSLATE_NOOP("Texts", "Идёт приём данных от модуля. Остановить его и открыть запись?");
inline constexpr const char* ReplayLinkBusy = QT_TRANSLATE_NOOP("Texts",
    "Модуль занят (коды неисправностей, чтение памяти или обновление прошивки). "
    "Дождитесь окончания и откройте запись снова.");
// %1: the file, %2: the reason.
inline constexpr const char* ReplayUnreadable
    = QT_TRANSLATE_NOOP("Texts", "Не удалось открыть запись %1: %2");
inline constexpr const char* LogReplayRefused
    = QT_TRANSLATE_NOOP("Texts", "Идёт воспроизведение записи: команда модулю не отправлена.");
inline constexpr const char* ReplayPlay = QT_TRANSLATE_NOOP("Texts", "Пуск");
inline constexpr const char* ReplayPause = QT_TRANSLATE_NOOP("Texts", "Пауза");
inline constexpr const char* HintReplayPlay
    = QT_TRANSLATE_NOOP("Texts", "Воспроизвести или приостановить запись");
inline constexpr const char* ReplaySpeed = QT_TRANSLATE_NOOP("Texts", "Скорость:");
inline constexpr const char* HintReplaySeek
    = QT_TRANSLATE_NOOP("Texts", "Перейти к любому моменту записи");
inline constexpr const char* ReplayNextMark = QT_TRANSLATE_NOOP("Texts", "Тревоги: %1 ▶");
inline constexpr const char* HintReplayNextMark
    = QT_TRANSLATE_NOOP("Texts", "Перейти к следующему выходу значения за предел: за 5 с до него");
inline constexpr const char* ReplayClose = QT_TRANSLATE_NOOP("Texts", "Закрыть запись");
inline constexpr const char* HintReplayClose
    = QT_TRANSLATE_NOOP("Texts", "Закрыть запись и вернуться к данным модуля");
// %1: the recording's file name.
inline constexpr const char* ReplayCaption = QT_TRANSLATE_NOOP("Texts", "Запись: %1");

} // namespace Texts
