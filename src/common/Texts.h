// The string table: every user-visible text of the program, in Russian.
// Texts are UTF-8 literals; text() turns one into a QString. Texts with %s/%d
// placeholders are filled by the caller with the format it names.
#pragma once

#include <QString>

namespace Texts {

inline QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// ---- Common --------------------------------------------------------------

inline constexpr const char* CaptionError = "Ошибка!";
inline constexpr const char* CaptionConfirm = "Подтверждение";
// A shipped file that could not be copied into the user's data folder (%1: file and reason).
inline constexpr const char* SeedFailed
    = "Не удалось скопировать файл программы в папку пользователя: %1";
// Why a file could not be written or opened, by the system's error code.
// A file that could not be written in whole (%1: the file, %2: why).
inline constexpr const char* FileWriteFailed = "Не удалось записать файл %1: %2";
inline constexpr const char* SystemErrorNoSpace = "на диске нет места";
inline constexpr const char* SystemErrorQuota = "превышена дисковая квота";
inline constexpr const char* SystemErrorTooLarge = "превышен допустимый размер файла";
inline constexpr const char* SystemErrorReadOnly = "диск доступен только для чтения";
inline constexpr const char* SystemErrorAccess = "нет доступа";
inline constexpr const char* SystemErrorNoFolder = "папка не найдена";
inline constexpr const char* SystemErrorIo = "ошибка ввода-вывода";
inline constexpr const char* SystemErrorNoFile = "файл не найден";
inline constexpr const char* SystemErrorIsFolder = "это папка, а не файл";
inline constexpr const char* FileUnreadable = "Не удалось открыть %1: %2";
inline constexpr const char* SystemErrorOther = "системная ошибка %1";

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
inline constexpr const char* LogDataErrors
    = "Данные содержат ошибки! Повторите попытку считывания!";
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

// Module maintenance. These take their arguments with QString::arg (%1, %2).
inline constexpr const char* FirmwareFileUnreadable = "Не удалось прочитать файл прошивки %1: %2";
inline constexpr const char* FirmwareFileEmpty = "Файл прошивки %1 пуст: обновление не начато";
inline constexpr const char* FirmwareFileTooLarge
    = "Файл прошивки %1 больше 64 КБ (%2 байт): такой прошивки у модуля не бывает, обновление не "
      "начато";
// The device code selected for the boot loader (%1, as 0x74), from its list or by default.
inline constexpr const char* LogDeviceCode = "Код устройства для загрузчика: %1";
inline constexpr const char* LogDeviceCodeDefault
    = "Загрузчик не сообщил коды устройств, используется код %1";
// The last line of a failed update: the stage that failed first.
inline constexpr const char* LogFirmwareFailedFile
    = "Обновление прошивки не выполнено: файл прошивки не загружен!";
inline constexpr const char* LogFirmwareFailedLoader
    = "Обновление прошивки не выполнено: нет связи с загрузчиком!";
inline constexpr const char* LogFirmwareFailedPrepare
    = "Обновление прошивки не выполнено: загрузчик не принял подготовку к записи!";
inline constexpr const char* LogFirmwareFailedWriting
    = "Обновление прошивки не выполнено: загрузчик отклонил блок!";
inline constexpr const char* LogFirmwareFailedVerify
    = "Обновление прошивки не выполнено: верификация не пройдена!";
inline constexpr const char* LogFirmwareFailedLeave
    = "Обновление прошивки не завершено: загрузчик не подтвердил выход!";
// The module's options and the firmware update's progress, as the options page shows them.
inline constexpr const char* OptionSpeedLabel = "Скорость порта EEC-IV:";
inline constexpr const char* OptionFormatLabel = "Формат вывода данных:";
inline constexpr const char* FirmwareProgressInit = "Инициализация...";
inline constexpr const char* FirmwareProgressFlashing = "Прошивка...";
inline constexpr const char* FirmwareProgressVerifying = "Верификация...";
inline constexpr const char* FirmwareProgressRestart = "Ждём перезапуска модуля...";
// A dump that could not be saved (%1 the file, %2 the reason); no part of it is left.
inline constexpr const char* LogDumpSaveError = "Не удалось сохранить данные в файл %1: %2";
// A run of missing bytes of a memory read, first and last address, in one line.
inline constexpr const char* LogOffsetRangeError = "Ошибка по смещению %.4x–%.4x!";
// A memory read ended by the user (Disconnect, "Стоп чтения").
inline constexpr const char* LogMemoryReadCancelled = "Чтение памяти прервано.";
// A memory read whose rows stopped advancing while the module still sent words (%1: how
// long, in seconds).
inline constexpr const char* LogMemoryReadStalled
    = "Новые строки памяти не поступают %1 с, хотя модуль передаёт данные: чтение остановлено.";
// A port error or a vanished device that ended an exchange or the stream.
inline constexpr const char* LogPortError = "Ошибка порта: %s";
inline constexpr const char* PortLost = "поток данных прервался, устройство недоступно";

// ---- Serial port access ----------------------------------------------------

// The port's device could not be opened for lack of permission (%1 the device, %2 the
// group that owns it).
inline constexpr const char* PortAccessDenied
    = "Нет доступа к порту %1: добавьте своего "
      "пользователя в группу %2 (sudo usermod -aG %2 $USER) и войдите в систему заново.";
// The same where membership of the device's group would not help.
inline constexpr const char* PortAccessDeniedNoGroup
    = "Нет доступа к порту %1: получите у "
      "администратора права на чтение и запись этого устройства и войдите в систему заново.";
// Why the port failed, first what to do (%1 the device); the system's own words follow
// in the log as PortErrorDetail.
inline constexpr const char* PortNotFound
    = "Адаптер не найден на %1: подключите адаптер или выберите порт в настройках";
inline constexpr const char* PortBusy
    = "Порт %1 занят другой программой: закройте её или выберите другой порт в настройках";
inline constexpr const char* PortNotSerial
    = "%1 — не последовательный порт: выберите порт адаптера в настройках";
inline constexpr const char* PortGone
    = "Связь с адаптером на %1 потеряна: проверьте кабель адаптера и подключитесь снова";
inline constexpr const char* PortFailed
    = "Порт %1 не работает: переподключите адаптер или выберите другой порт в настройках";
// The advice, then the system's words (%1 the advice, %2 the system's text).
inline constexpr const char* PortErrorDetail = "%1. Подробности: %2";
// No "!" came back to any search (%1 the device, %2 the speed in bit/s).
inline constexpr const char* ModuleSilent
    = "Модуль не отвечает на %1 (%2 бит/с): проверьте скорость обмена в настройках, кабель "
      "адаптера и включено ли зажигание";
// The module answered, the ECU did not: "m" gave no link, or no calibration code came.
inline constexpr const char* EcuSilent
    = "ЭБУ не отвечает: включите зажигание и проверьте, что кабель адаптера надёжно подключён к "
      "диагностическому разъёму, затем нажмите «Подключить»";
inline constexpr const char* EcuNoCalibration
    = "ЭБУ не прислал код калибровки: проверьте зажигание и разъём диагностики, затем нажмите "
      "«Подключить»";
// The code the ECU reported, with its record (%1 the code, %2 the record or "нет данных").
inline constexpr const char* LogCalibrationCode = "Код калибровки ЭБУ: %1 — %2";

// ---- Dashboard widgets -----------------------------------------------------
// These take their arguments with QString::arg (%1, %2).

inline constexpr const char* FormatCannotApply = "Формат «%1» не подходит для одного числа: %2";
inline constexpr const char* FormatNoConversion = "нет преобразования после «%»";
inline constexpr const char* FormatBadType = "тип «%1» не для числа с плавающей точкой";
inline constexpr const char* FormatNoArgument = "нет числа для преобразования номер %1";
inline constexpr const char* FormatStarWidth = "ширина или точность «*» требует второго числа";
inline constexpr const char* FormatTooWide = "ширина больше %1";
inline constexpr const char* ValueZeroRatio = "LabelRatio равен 0: значение не показывается";
inline constexpr const char* LabelValueNotInteger
    = "значение %1 не переводится в целое: цвет не меняется";
inline constexpr const char* GaugeMaxEqualsMin
    = "Max равен Min (%1): стрелки и красная зона не рисуются";
inline constexpr const char* GaugeNoTicks = "TickCountBig равен 0: деления и числа не рисуются";
inline constexpr const char* GaugeTooManyTicks
    = "слишком много делений (%1 × %2): деления и числа не рисуются";
inline constexpr const char* GaugeZeroTickRatio = "TickLabelRatio равен 0: числа шкалы не рисуются";
inline constexpr const char* GaugeImageTooLarge
    = "изображение %1 × %2 слишком велико: прибор не рисуется";
inline constexpr const char* GaugeArrowsNone = "Arrows: пустое значение не принимается";
inline constexpr const char* ControlOutOfRange = "%1 = %2 вне допустимых пределов (%3 … %4)";

// ---- Dashboard profiles and trends ---------------------------------------

// The warning box for a wrong item definition, as profile authors know it.
inline constexpr const char* DefinitionErrorCaption = "Fatal error";
inline constexpr const char* DefinitionErrorText = "Invalid item definition: ";
inline constexpr const char* DefinitionErrorCheck = "Check definition";
inline constexpr const char* DefinitionErrorFile = " file.";

// Why a definition was refused (shown by the preview renderer; %1 … with QString::arg).
inline constexpr const char* DefinitionNotColor = "не цвет: ожидается имя цвета или целое число";
inline constexpr const char* DefinitionNotInteger = "не целое число в пределах 32 бит";
inline constexpr const char* DefinitionNotName = "нет такого значения";
inline constexpr const char* DefinitionNotSetElement = "в наборе нет элемента «%1»";
inline constexpr const char* DefinitionNotNumber = "не число";
inline constexpr const char* DefinitionOutOfRange = "число вне пределов типа";
inline constexpr const char* DefinitionUnsupported = "свойство этого типа нельзя задать текстом";
inline constexpr const char* DefinitionReadOnly = "свойство только для чтения";
inline constexpr const char* DefinitionNotAccepted = "значение не принято";
inline constexpr const char* DefinitionBadIndex = "номер элемента должен быть от 0 до %1";
inline constexpr const char* DefinitionTooManyItems
    = "больше %1 элементов в наборе не создаётся, такие определения дальше пропускаются";

// Limits of a profile build (%1 the file).
inline constexpr const char* ProfileLinesTooLong
    = "Профиль %1: пропущено строк длиннее %3 символов: %2";
inline constexpr const char* ProfileTooManyWidgets = "Профиль %1: больше %2 элементов не создаётся";
inline constexpr const char* ProfileTooManyDefinitions
    = "Профиль %1: больше %2 определений не применяется";

// Trend chart problems.
inline constexpr const char* TrendTrendsNone = "Trends: пустое значение не принимается";
inline constexpr const char* TrendTooLarge
    = "график %1 × %2 при SmoothFactor %3 слишком велик: не рисуется";

// Reports of a profile load, shown once as a list (file:line: property: reason).
inline constexpr const char* ProfileReportSummary
    = "Профиль %1: найдено ошибок: %2. Список — в подробностях.";
inline constexpr const char* ProfileReportUnusable
    = "Профиль %1 не может быть показан. Причина — в подробностях.";
inline constexpr const char* ProfileReportMore = "… и ещё ошибок: %1";
inline constexpr const char* ProfileUnreadable = "файл не читается";
inline constexpr const char* ProfileIsDirectory = "это папка, а не файл профиля";
inline constexpr const char* ProfileTooLarge = "файл больше %1 МБ";
inline constexpr const char* ProfileBadBackground
    = "«%1» — не цвет: ожидается имя цвета (clBlack) или число ($BBGGRR)";
inline constexpr const char* ProfileEmpty = "файл пуст: не создано ни одного элемента";
inline constexpr const char* ProfileUtf16
    = "файл в UTF-16 (или не текст): не создано ни одного элемента; сохраните его как UTF-8";
inline constexpr const char* ProfileNoGauges
    = "нет раздела [Gauges]: не создано ни одного элемента";
inline constexpr const char* ProfileNoWidgets
    = "в разделе [Gauges] нет ни одного известного класса: не создано ни одного элемента";
inline constexpr const char* ProfileNotUtf8
    = "значение не в UTF-8 (похоже на Windows-1251) и взято пустым; сохраните файл как UTF-8";
inline constexpr const char* ProfileImageMemory
    = "изображения элемента заняли бы %1 МБ, а всем элементам панели отведено %2 МБ (занято %3 "
      "МБ): элемент не создан";
inline constexpr const char* DefinitionDecimalPoint = "десятичный разделитель — точка: %1";

// ---- Vehicles and reference data -----------------------------------------

// The table of PID meanings (pids.txt).
inline constexpr const char* PidUnknown = "неизвестно";
inline constexpr const char* PidBitUnnamed = "бит %1";
inline constexpr const char* PidTableBadLine = "pids.txt, строка %1: %2";
inline constexpr const char* PidTableTooFewFields = "меньше пяти полей через табуляцию";
inline constexpr const char* PidTableBadNumber = "номер PID не шестнадцатеричный 00…FF (бит: 0…15)";
inline constexpr const char* PidTableNoName = "нет названия";
inline constexpr const char* LabelBadPidName = "PidName %1: не номер PID (0D) и не бит (1A.7)";
inline constexpr const char* StatisticsTitle = "Мин., макс., среднее с начала приёма";
inline constexpr const char* StatisticsPid = "PID";
inline constexpr const char* StatisticsMin = "Мин.";
inline constexpr const char* StatisticsMax = "Макс.";
inline constexpr const char* StatisticsMean = "Среднее";
inline constexpr const char* StatisticsUnit = "Ед.";
inline constexpr const char* ActStatistics = "Мин./макс.";
inline constexpr const char* HintStatistics
    = "Наименьшее, наибольшее и среднее значение каждого PID панели с начала приёма";
inline constexpr const char* LimitWarning = "Предупреждение: %1 = %2";
inline constexpr const char* LimitAlarm = "Тревога: %1 = %2";
inline constexpr const char* MatrixSlot = "Кадр %1, позиция %2";
inline constexpr const char* MatrixSlotPid = "%1: %2 = %3";
inline constexpr const char* PidTableUnreadable = "Не удалось прочитать таблицу PID %1: %2";
inline constexpr const char* FaultCodesMissing = "Не найден файл кодов ошибок codes.txt!";
inline constexpr const char* FaultCodesReadError = "Ошибка чтения файла кодов ошибок codes.txt: %s";
// One code of the fault list as the fault codes page copies it: the entry, mode,
// description and comment.
inline constexpr const char* FaultCodeText
    = "Код: %s\r\nРежим: %s\r\nОписание: %s\r\nКомментарий: %s\r\n\r\n";

// ECU information of a vehicle (calibration database record), in the order shown.
inline constexpr const char* EcuInfoTitle = "Данные по установленному EEC-IV";
inline constexpr const char* EcuModel = "Модель:";
inline constexpr const char* EcuYears = "Годы выпуска:";
inline constexpr const char* EcuDisp = "Объем двигателя:";
inline constexpr const char* EcuHw = "Аппаратная ревизия:";
inline constexpr const char* EcuStrategy = "Стратегия:";
inline constexpr const char* EcuProductCode = "Код продукта:";
inline constexpr const char* EcuFINIS = "Код FINIS:";
inline constexpr const char* EcuCatchCode = "Код CATCH:";
inline constexpr const char* EcuCalID = "Код калибровки:";
inline constexpr const char* EcuPATS = "Иммобилайзер:";
inline constexpr const char* Yes = "да";
inline constexpr const char* No = "нет";
inline constexpr const char* NoData = "нет данных";

// Columns of the vehicles list.
inline constexpr const char* ColumnName = "Название";
inline constexpr const char* ColumnModel = "Модель";
inline constexpr const char* ColumnYear = "Год выпуска";
inline constexpr const char* ColumnVIN = "VIN";
inline constexpr const char* ColumnPlate = "Номер";
inline constexpr const char* ColumnLastRead = "Дата диагностики";
inline constexpr const char* ColumnComment = "Примечания";

// Vehicle dialog.
inline constexpr const char* AutoDialogCaption = "Добавление/редактирование автомобиля";
inline constexpr const char* AutoDialogNotice
    = " Определено подключение автомобиля, отсутствующего в списке. Пожалуйста, заполните "
      "данные по автомобилю и сохраните в списке автомобилей.";
inline constexpr const char* AutoGroupRegistration = " Регистрационные данные ";
inline constexpr const char* AutoGroupTechnical = " Технические данные ";
inline constexpr const char* AutoName = "Название:";
inline constexpr const char* AutoModel = "Модель:";
inline constexpr const char* AutoCalID = "Калибр.код:";
inline constexpr const char* AutoCalIDHint
    = "Калибровочный код считывается из EEC-IV в момент подключения. Вручную вводить не нужно.";
inline constexpr const char* AutoEditCalID = "Редактировать";
// Text of our own: the calibration database's record of the code the ECU reported.
inline constexpr const char* AutoEcuRecord = "Данные ЭБУ:";
inline constexpr const char* AutoYear = "Год выпуска:";
inline constexpr const char* AutoVIN = "VIN:";
inline constexpr const char* AutoPlate = "Гос.номер:";
inline constexpr const char* AutoComment = "Примечания:";
inline constexpr const char* AutoProfile = "Профиль:";
inline constexpr const char* AutoSave = "Сохранить";
inline constexpr const char* AutoCancel = "Отмена";
inline constexpr const char* ModelsFileMissing = "Не найден файл моделей models.txt!";

// Texts of our own: failures of the register files (%1 the file, %2 the reason).
inline constexpr const char* RegisterReadError = "Не удалось прочитать список автомобилей %1: %2";
inline constexpr const char* RegisterSaveError = "Не удалось сохранить список автомобилей в %1: %2";

// Texts of our own: unusable reference files and the register kept whole (%1 … with QString::arg).
inline constexpr const char* IniUtf16 = "файл в кодировке UTF-16, а нужен 8-битный текст";
inline constexpr const char* IniNul = "символ NUL в строке %1: дальше файл не читается";
inline constexpr const char* IniNoSection = "в файле нет ни одного раздела [...]";
inline constexpr const char* RegisterNotOverwritten
    = "Список автомобилей %1 не был прочитан (%2): он оставлен как есть и не заменён пустым";
inline constexpr const char* RegisterNotLoaded = "он не загрузился при запуске";
inline constexpr const char* RegisterMovedAside
    = "Список автомобилей %1 не был прочитан: прежний файл сохранён как %2";
inline constexpr const char* RegisterNotMovedAside
    = "Список автомобилей %1 не был прочитан и не переименовывается в %2: новый список не записан";
inline constexpr const char* FileLinkLoop = "цикл символических ссылок";
inline constexpr const char* FileLinkDangling
    = "символическая ссылка ведёт к несуществующему файлу %1";
inline constexpr const char* FaultCodesNone
    = "В файле кодов ошибок codes.txt нет ни одного кода: %1";
inline constexpr const char* FaultCodesEmpty = "файл пуст";
inline constexpr const char* FaultCodesNoNumber = "ни одна из %1 строк не номер кода с текстами";
inline constexpr const char* FaultCodesStopped
    = "Файл кодов ошибок codes.txt прочитан не до конца: символ NUL в строке %1, не прочитано "
      "строк: %2";
inline constexpr const char* NoDescription = "нет описания";
inline constexpr const char* DataFileProblemsTitle = "Ошибки в файлах данных программы:";
inline constexpr const char* CarProfilesProblem = "Файл профилей автомобилей %1: %2";
inline constexpr const char* CarProfilesUnreadable = "не удаётся прочитать (%1)";
inline constexpr const char* CarProfilesNone = "ни одного профиля";
inline constexpr const char* CarProfileNotChosen
    = "Профиль автомобиля не выбран: адреса адаптивных таблиц равны 0";
inline constexpr const char* CarProfileBeyondList
    = "Профиль автомобиля № %1 вне списка профилей (их %2): адреса адаптивных таблиц равны 0";

// ---- Main window -------------------------------------------------------------

// veskor-reader's command line and its profile preview (%1 with QString::arg).
inline constexpr const char* ReaderUsage
    = "Использование: veskor-reader [--home ПАПКА] --render-profile ФАЙЛ.ini [--size ШxВ] "
      "[--set PID=ЗНАЧЕНИЕ]... -o ФАЙЛ.png\n"
      "  Строит профиль отображения на панели без окна, передаёт значения PID и сохраняет "
      "панель в PNG.\n"
      "  Ошибки определений выводятся в stderr; код возврата 1, если они были.";
inline constexpr const char* PreviewBadSize = "Неверный размер «%1»: нужно ШxВ, от 1 до 8192";
inline constexpr const char* PreviewBadSet
    = "Неверное значение «%1»: нужно PID=ЧИСЛО, PID от 0 до 255";
inline constexpr const char* PreviewBadArgument = "Неизвестный или неполный параметр «%1»";
inline constexpr const char* PreviewMissing = "Нужны --render-profile ФАЙЛ и -o ФАЙЛ.png";
inline constexpr const char* PreviewNoProfile = "Не удаётся прочитать профиль %1";
inline constexpr const char* PreviewCannotSave = "Не удаётся записать изображение %1";

// ---- Main window: frame, status bar, vehicles and fault codes pages -----------------
// (%1, %2 with QString::arg; texts with %s are filled with fillPlaceholders.)

inline constexpr const char* AppTitle = "VeskorReader";
inline constexpr const char* MainCaption = "VeskorReader 0.99 (Ford EEC-IV)";
// Texts of our own: a run on the built-in simulator says so in the title and status bar.
inline constexpr const char* CaptionSimulation = " — симуляция, без автомобиля";
inline constexpr const char* StatusSimulation = "Симуляция";
inline constexpr const char* SelectedVehicle = "Выбранный автомобиль:";
inline constexpr const char* ActConnect = "Подключить";
inline constexpr const char* ActResetModule = "Сброс модуля";
inline constexpr const char* HintResetModule = "Сброс и перезагрузка диагностического модуля";
inline constexpr const char* ActDisconnect = "Отключить";
inline constexpr const char* HintDisconnect = "Отключение от адаптера и освобождение COM-порта";
inline constexpr const char* MenuSkin = "Скин";
inline constexpr const char* SkinDark = "Тёмная";
inline constexpr const char* PageVehicles = "Автомобили";
inline constexpr const char* PageFaults = "Коды ошибок";
inline constexpr const char* PageLiveData = "Данные";
inline constexpr const char* PageTrends = "Тренды";
inline constexpr const char* PageDump = "Память";
inline constexpr const char* PageOptions = "Настройки";
inline constexpr const char* PageHelp = "Справка";
inline constexpr const char* PanelMatrix = "Матрица";
inline constexpr const char* PanelLog = "Журнал";
// The toolbar's switch of the matrix and the log; the debug menu, shown with --debug or
// Debug=1 in reader.ini.
inline constexpr const char* ActShowPanels = "Панели";
inline constexpr const char* HintShowPanels = "Показать или скрыть матрицу и журнал справа";
inline constexpr const char* MenuDebug = "Отладка";
// The dashboard alone on the whole screen.
inline constexpr const char* ActFullScreen = "Во весь экран";
inline constexpr const char* HintFullScreen
    = "Панель приборов во весь экран (F11); назад — Esc или F11";
// Its corner: the module's state, and the stream's cycle (%1: "120 мс").
inline constexpr const char* FullScreenCycle = "цикл %1";
inline constexpr const char* CleanLog = "Очистить";
inline constexpr const char* HintCleanLog = "Очистить окно системного журнала";
inline constexpr const char* LogConnecting = "Подключение...";
inline constexpr const char* NoProfiles
    = "Не найдено профилей отображения данных!\rПроверьте наличие файлов в папке %s";
inline constexpr const char* PlaceholderPage = "Страница «%1» появится в следующей версии.";

// Status bar: captions and the texts the link events write.
inline constexpr const char* StatusModule = "Модуль:";
inline constexpr const char* StatusVersion = "Версия:";
inline constexpr const char* StatusMode = "Режим:";
inline constexpr const char* ModuleDisconnected = "отключен";
inline constexpr const char* ModuleSearching = "поиск.";
inline constexpr const char* ModuleConnected = "подключен";
inline constexpr const char* ModuleUnavailable = "недоступен";
inline constexpr const char* VersionNone = "0.00";
inline constexpr const char* ModeNoLink = "Нет связи";
inline constexpr const char* ModeNoEec = "нет связи с EEC";
inline constexpr const char* ModeExchange = "Обмен с EEC-IV";
inline constexpr const char* ModeNoEecIv = "Нет связи с EEC-IV";

// Vehicles page.
inline constexpr const char* ActAddAuto = "Добавить автомобиль";
inline constexpr const char* ActEditAuto = "Редактировать автомобиль";
inline constexpr const char* ActDeleteAuto = "Удалить автомобиль";
inline constexpr const char* DeleteAutoQuestion = "Удалить автомобиль из списка?";
inline constexpr const char* NoDiagnosis = "---";
// Texts of our own: a register that could not be read is left as it is.
inline constexpr const char* RegisterKept
    = "%1\nСписок автомобилей не будет перезаписан, пока программа работает: исправьте "
      "или переименуйте файл и перезапустите программу.";

// Fault codes page.
inline constexpr const char* ActReadFaults = "Читать коды";
inline constexpr const char* HintReadFaults = "Считать сохранённые коды ошибок";
inline constexpr const char* ActClearFaults = "Стереть коды";
inline constexpr const char* HintClearFaults = "Стереть сохранённые коды ошибок";
inline constexpr const char* ActInvokeTest = "Запустить тест";
inline constexpr const char* HintInvokeTest = "Запустить тест KOEO/KOER";
inline constexpr const char* ActCopy = "Копировать";
inline constexpr const char* HintCopy = "Копировать текст отчёта в буфер обмена";
inline constexpr const char* ActSaveReport = "Сохранить отчёт";
inline constexpr const char* HintSaveReport
    = "Сохранить в HTML-файле отчёт по результатам чтения ошибок/теста двигателя";
inline constexpr const char* ReadingFaults = "Обработка команды...";
// Texts of our own: how a fault exchange ended, each outcome in words of its own.
inline constexpr const char* FaultsNoneStored = "Сохранённых кодов неисправностей нет.";
inline constexpr const char* FaultsRead = "Прочитано кодов неисправностей: %1.";
inline constexpr const char* FaultsCleared = "Коды неисправностей стёрты из памяти ЭБУ.";
inline constexpr const char* FaultsTestClean = "Самотест завершён: неисправностей не найдено.";
inline constexpr const char* FaultsTestFound = "Самотест завершён: найдено кодов: %1.";
inline constexpr const char* FaultsNoAnswer
    = "ЭБУ не ответил. Проверьте, что ключ зажигания включён, а кабель адаптера надёжно "
      "подключён к диагностическому разъёму, и повторите. Прежний результат сохранён.";
inline constexpr const char* FaultsTestTimedOut
    = "Самотест не завершился за %1 с: ЭБУ не прислал результат. Проверьте ключ "
      "зажигания и кабель адаптера и повторите тест. Прежний результат сохранён.";
inline constexpr const char* FaultsTestCancelled = "Самотест прерван. Прежний результат сохранён.";
inline constexpr const char* FaultsReadCancelled
    = "Обмен с ЭБУ прерван. Прежний результат сохранён.";
inline constexpr const char* FaultsPortLost
    = "Связь с адаптером потеряна: проверьте кабель и порт. Прежний результат сохранён.";
inline constexpr const char* FaultsTestProgress = "Самотест: прошло %1 с, осталось %2 с";
inline constexpr const char* ActCancelTest = "Прервать";
// The self-test's guide: what the car needs before the test and what the mechanic does
// while it runs, as the ECU's self-test procedure asks.
inline constexpr const char* SelfTestCaption = "Самотест двигателя";
inline constexpr const char* SelfTestQuestion = "К какому тесту готов автомобиль?";
inline constexpr const char* SelfTestKoeo = "KOEO: ключ включён, двигатель не работает";
inline constexpr const char* SelfTestKoer = "KOER: двигатель работает";
inline constexpr const char* SelfTestBefore = "Перед тестом:";
inline constexpr const char* SelfTestDuring = "Во время теста:";
inline constexpr const char* SelfTestEcuChooses
    = "Какой тест выполнить, ЭБУ решает сам: при работающем двигателе он проводит KOER, "
      "при заглушённом — KOEO.";
inline constexpr const char* SelfTestStart = "Начать тест";
inline constexpr const char* SelfTestBack = "Отмена";
inline constexpr const char* SelfTestWarm = "Двигатель прогрет до рабочей температуры.";
inline constexpr const char* SelfTestGear
    = "Рычаг КПП в положении P (автомат) или N (механика), стояночный тормоз затянут.";
inline constexpr const char* SelfTestAccessories
    = "Фары, обогрев, вентилятор, магнитола и другие потребители выключены.";
inline constexpr const char* SelfTestAirCon = "Кондиционер выключен.";
inline constexpr const char* SelfTestKeyOn = "Ключ зажигания в положении ON, двигатель не запущен.";
inline constexpr const char* SelfTestEngineRuns
    = "Двигатель работает на холостом ходу. Перед тестом дайте ему 2 минуты поработать на "
      "2000 об/мин, чтобы прогрелся датчик кислорода.";
inline constexpr const char* SelfTestHandsOff
    = "Не запускайте двигатель и не трогайте педали до конца теста.";
inline constexpr const char* SelfTestBrake
    = "Сразу после начала теста нажмите и отпустите педаль тормоза.";
inline constexpr const char* SelfTestSteering
    = "Затем поверните руль на пол-оборота и отпустите (датчик давления гидроусилителя).";
inline constexpr const char* SelfTestOverdrive
    = "Если есть кнопка отмены овердрайва (O/D OFF), нажмите её и отпустите.";
inline constexpr const char* SelfTestThrottle
    = "Когда ЭБУ попросит (код динамической проверки 10), коротко нажмите педаль газа до "
      "упора и отпустите. В другое время газ не трогайте.";
// %1: KOEO or KOER.
inline constexpr const char* SelfTestRunning = "Идёт самотест %1";
// The verdict above the codes once the self-test has ended.
inline constexpr const char* VerdictPass = "Неисправностей не найдено";
// %1: the number of codes; the word follows the number.
inline constexpr const char* VerdictFoundOne = "Найден %1 код";
inline constexpr const char* VerdictFoundFew = "Найдено %1 кода";
inline constexpr const char* VerdictFoundMany = "Найдено %1 кодов";
inline constexpr const char* VerdictNoAnswer = "ЭБУ не ответил";
inline constexpr const char* VerdictNoList = "ЭБУ завершил тест без списка кодов";
inline constexpr const char* VerdictCancelled = "Самотест прерван";
inline constexpr const char* VerdictPortLost = "Связь с адаптером потеряна";
inline constexpr const char* ClearQuestion = "Стереть коды неисправностей из памяти ЭБУ?";
inline constexpr const char* ClearUnsavedQuestion
    = "Коды на странице не сохранены в отчёт и не скопированы: после стирания их не "
      "прочитать снова.\nВсё равно стереть коды неисправностей из памяти ЭБУ?";
inline constexpr const char* NothingToSave = "Нечего сохранять: сначала прочитайте коды.";
inline constexpr const char* NothingToCopy = "Нечего копировать: сначала прочитайте коды.";
inline constexpr const char* ResultWithoutVehicle
    = "Коды прочитаны без выбранного автомобиля, отчёт некуда сохранить: выберите или "
      "добавьте автомобиль и прочитайте коды снова.";
inline constexpr const char* ReportSaved = "Отчёт сохранён: %1";
inline constexpr const char* ResultCopied = "Результат скопирован в буфер обмена.";
inline constexpr const char* OpenFailed
    = "Не удалось открыть %1: в системе нет программы для этого файла.";
inline constexpr const char* ReportFolderFailed = "Не удалось создать папку отчёта %1.";
// Texts of our own: the report printed and saved as PDF, and what goes wrong on the way.
inline constexpr const char* ActPrintReport = "Печать";
inline constexpr const char* HintPrintReport = "Напечатать отчёт по результатам чтения ошибок";
inline constexpr const char* ActSaveReportPdf = "Сохранить PDF";
inline constexpr const char* HintSaveReportPdf = "Сохранить отчёт в PDF-файле";
inline constexpr const char* ReportPdfTitle = "Сохранить отчёт в PDF";
inline constexpr const char* ReportPdfFilter = "Документы PDF (*.pdf);;Все файлы (*)";
inline constexpr const char* NothingToPrint = "Нечего печатать: сначала прочитайте коды.";
inline constexpr const char* ReportPdfSaved = "Отчёт сохранён в PDF: %1";
inline constexpr const char* ReportPrinted = "Отчёт отправлен на печать: %1";
inline constexpr const char* ReportNotSaved = "Отчёт не сохранён: %1";
inline constexpr const char* ReportNotPrinted
    = "Отчёт не напечатан: принтер %1 не принял задание. Проверьте принтер и повторите.";
// The car's earlier visits in a report: one line per fault read or self-test.
inline constexpr const char* VisitLine = "%1 — %2";
inline constexpr const char* VisitSelfTest = "самотест: %1";
inline constexpr const char* VisitNoCodes = "кодов нет";
inline constexpr const char* NoEarlierVisits = "Более ранних посещений нет";
inline constexpr const char* VisitsNotKept = "Не удалось записать историю посещений: %1";
inline constexpr const char* FaultCode = "Код:";
inline constexpr const char* FaultMode = "Режим:";
inline constexpr const char* FaultDescription = "Описание:";
inline constexpr const char* FaultComment = "Комментарий:";
inline constexpr const char* HeaderName = "Название:";
inline constexpr const char* HeaderDate = "Дата отчёта:";
inline constexpr const char* HeaderPlate = "Гос.номер:";
inline constexpr const char* HeaderModel = "Модель:";
inline constexpr const char* HeaderYear = "Год:";
inline constexpr const char* HeaderVIN = "VIN:";
inline constexpr const char* HeaderNotes = "Примечания:";
inline constexpr const char* CopyVehicleBlock
    = "Название: %s\r\nДата отчёта: %s\r\nГос.номер: %s\r\n"
      "Модель: %s\r\nГод выпуска: %s\r\nVIN: %s\r\n"
      "Примечания: %s \r\n\r\n";
inline constexpr const char* ReportTitle = "Коды ошибок";
// Text of our own: a template without its repeated block.
inline constexpr const char* ReportNoBlock
    = "В шаблоне отчёта %1 нет блока %BEGIN% … %END%: отчёт не сохранён.";

// Options page (the port, interface and module groups).
// Text of our own: the workshop that heads every report.
inline constexpr const char* GroupWorkshop = " Мастерская (для отчётов) ";
inline constexpr const char* OptWorkshopName = "Название:";
inline constexpr const char* OptWorkshopContacts = "Адрес, телефон:";
inline constexpr const char* HintWorkshop = "Печатается в заголовке каждого отчёта";
inline constexpr const char* GroupPort = " Настройки порта обмена ";
inline constexpr const char* OptPort = "Порт:";
inline constexpr const char* OptSpeed = "Скорость обмена:";
inline constexpr const char* HintSpeed = "Если не знаете какую ставить - ставьте 38400 бит/с";
inline constexpr const char* OptAutoConnect = "Подключать при запуске";
inline constexpr const char* OptBluetooth = "Доп. задержки для Bluetooth";
inline constexpr const char* HintBluetooth
    = "Используйте для корректной работы через адаптер Bluetooth";
inline constexpr const char* GroupInterface = " Интерфейс ";
inline constexpr const char* OptDescLang = "Описание ошибок:";
inline constexpr const char* LangRussian = "по-русски";
inline constexpr const char* LangEnglish = "по-английски";
inline constexpr const char* OptContrast = "Контраст таблиц:";
inline constexpr const char* GroupModule = " Опции модуля ";
inline constexpr const char* HintEECSpeed = "У большинства модулей - 9600";
inline constexpr const char* HintDataFormat = "Тут всегда ставьте BIN!";
inline constexpr const char* ActReadOptions = "Прочитать";
inline constexpr const char* HintReadOptions = "Прочитать опции модуля";
inline constexpr const char* ActApplyOptions = "Сохранить";
inline constexpr const char* HintApplyOptions = "Записать настройки в памяти модуля";
inline constexpr const char* RestartQuestion = "Перезапустить модуль после сохранения настроек?";
inline constexpr const char* GroupFirmware = " Обновление прошивки модуля ";
inline constexpr const char* FlashFirmware = "Обновить прошивку";
inline constexpr const char* FirmwareNote = "Прошивка находится в файле с расширением .bin";
inline constexpr const char* FirmwareDialogTitle = "Укажите файл прошивки";
inline constexpr const char* FirmwareFilter = "Файлы прошивки (*.bin);;Все файлы (*)";
// Text of our own: the built-in simulator in the port list.
inline constexpr const char* PortSimulator = "sim";

// Live data page and the matrix panel.
inline constexpr const char* ActStartData = "Старт чтения";
inline constexpr const char* ActStopData = "Стоп чтения";
inline constexpr const char* LiveProfile = "Профиль:";
inline constexpr const char* MatrixUpdate = "Обновлять";
inline constexpr const char* HintUpdateFreq = "Частота обновления параметров";
inline constexpr const char* HintCount = "Макс. глубина буфера приёма данных";
// Texts of our own: profile definition errors of one load, shown together.
inline constexpr const char* ProfileErrorsTitle = "Ошибки в профилях отображения:";

// Help page.
inline constexpr const char* HelpTitle = "Диагностика EEC-IV";
inline constexpr const char* HelpGuide = "Руководство пользователя";
inline constexpr const char* HintHelpGuide = "Нажмите, чтобы открыть руководство пользователя";
inline constexpr const char* HelpAbout
    = "VeskorReader 0.99 — диагностика автомобилей Ford с блоком управления EEC-IV "
      "через диагностический модуль на последовательном порту.";

// Command line of the window (texts of our own).
inline constexpr const char* NoDisplay
    = "veskor-reader: нет дисплея (не задан DISPLAY или WAYLAND_DISPLAY). Запустите окно под "
      "виртуальным дисплеем: xvfb-run build/bin/veskor-reader --simulator, или работайте без "
      "окна через veskor-cli (veskor-cli --help).";
inline constexpr const char* WindowUsage
    = "Использование: veskor-reader [--home ПАПКА] [--simulator] [--screenshots ПАПКА]\n"
      "       [--live [--profile ФАЙЛ]] [--measure ФАЙЛ] [--quit-when-shown] [--debug]\n"
      "  --home ПАПКА        папка программы (reader.ini, autos.ini, Profiles, Reports)\n"
      "  --simulator         подключиться к встроенному симулятору (порт «sim»)\n"
      "  --screenshots ПАПКА подключиться, прочитать коды, сохранить снимки страниц и выйти\n"
      "  --live              открыть страницу «Данные» и начать чтение после подключения\n"
      "  --profile ФАЙЛ      профиль отображения для --live (иначе сохранённый)\n"
      "  --measure ФАЙЛ      при выходе записать замеры потока: задержку, ЦП, память\n"
      "  --quit-when-shown   выйти, как только окно показано, и напечатать время запуска\n"
      "  --debug             показать меню «Отладка» (тестовые сигналы, история PID 255)";
// The start-up figure of --quit-when-shown (%1: milliseconds).
inline constexpr const char* ShownAfter = "shown after %1 ms";
inline constexpr const char* ScreenshotsSaved = "Снимки страниц сохранены в %1";

// ---- A link that comes back ------------------------------------------------

inline constexpr const char* OptAutoReconnect = "Восстанавливать связь при обрыве";
inline constexpr const char* HintAutoReconnect
    = "Если адаптер пропал во время приёма данных, подключаться снова и продолжать приём";
// %s: seconds until the next attempt.
inline constexpr const char* ReconnectWaiting = "Связь с адаптером потеряна, повтор через %s с";
// %s: the attempt.
inline constexpr const char* ReconnectTrying
    = "Связь с адаптером потеряна, подключение (попытка %s)...";
inline constexpr const char* ReconnectResumed = "Связь восстановлена, приём данных продолжен";
// %s: the code found, %s: the code before the drop.
inline constexpr const char* ReconnectOtherCar
    = "Другой автомобиль (калибровка %s вместо %s): приём данных не возобновлён";
inline constexpr const char* ReconnectLost = "Связь с адаптером потеряна";
inline constexpr const char* LogStreamSilent
    = "Поток данных прервался: нет данных от адаптера. Проверьте кабель адаптера и включено ли "
      "зажигание";
// Memory page.
inline constexpr const char* ActDumpFull = "Считать RAM+ROM...";
inline constexpr const char* HintDumpFull
    = "Считать в файл содержимое оперативной и постоянной памяти целиком (65536 байт)";
inline constexpr const char* ActDumpRam = "Считать RAM...";
inline constexpr const char* HintDumpRam = "Считать содержимое оперативной памяти (8192 байт)";
inline constexpr const char* ActReadDump = "Прочитать из файла...";
inline constexpr const char* ActDumpStop = "Стоп чтения";
inline constexpr const char* MemTabAdapt = "Таблицы адаптации";
inline constexpr const char* MemTabInjection = "Карта впрыска топлива";
inline constexpr const char* MemTabIgnition = "Карта опережения зажигания";
inline constexpr const char* MemTabEnrichment = "Карта обогащения смеси";
inline constexpr const char* MemInProgress = "В процессе... ;-)";
inline constexpr const char* MemLoadCaption = "Нагрузка, %";
inline constexpr const char* MemRpmCaption = "Обороты двигателя, об/мин";
inline constexpr const char* MemIdle = "Холостой ход:";
inline constexpr const char* MemIdleDrive = "В движении";
inline constexpr const char* MemIdleDriveAc = "В движении + кондиционер";
inline constexpr const char* MemIdleNeutral = "На нейтрали";
inline constexpr const char* MemIdleNeutralAc = "На нейтрали + кондиционер";
// The last two idle values, whose use the ECU does not tell: by their place in the area.
inline constexpr const char* MemIdleUnknown4 = "Назначение неизвестно (байт 84)";
inline constexpr const char* MemIdleUnknown5 = "Назначение неизвестно (байт 85)";
inline constexpr const char* MemChecksum = "Контрольная сумма:";
inline constexpr const char* HintAdaptChecksum
    = "Зеленая - совпадает с сохранённой в памяти, красная - не совпадает";
inline constexpr const char* MemReadAdapt = "Прочитать из EEC-IV";
inline constexpr const char* MemTestTab
    = "Тестовая вкладка для попыток расшифровать всякие таблицы";
inline constexpr const char* MemBaseAddress = "Базовый адрес (HEX):";
inline constexpr const char* MemKnownAddresses
    = "Разведанные адреса для Escort: C112, C200, C304, C69D, C73E";
inline constexpr const char* MemSaveTitle = "Укажите файл образа памяти EEC-IV для сохранения";
inline constexpr const char* MemOpenTitle = "Укажите файл образа памяти EEC-IV";
inline constexpr const char* MemFilter = "Файлы образов памяти (*.bin);;Все файлы (*)";
// Texts of our own: the dashboard drawn to fit its page or at its own size, and why the
// adaptive tables are read from address 0.
inline constexpr const char* LiveFit = "По размеру";
// The matrix readout of the interval between complete cycles (%1: milliseconds).
inline constexpr const char* MatrixIntervalMs = "%1 мс";
inline constexpr const char* HintLiveFit
    = "Вписать панель в страницу с сохранением пропорций; выключено — масштаб 1:1";
inline constexpr const char* LogMemNoCarProfile
    = "Таблицы адаптации: %1; адреса приняты равными 0.";

// ---- live data page, matrix and options page ----
inline constexpr const char* LiveTest = "Тестовый сигнал адаптера (PID 255)";
inline constexpr const char* HintLiveTest = "Включить или выключить тестовый сигнал (PID 255)";
inline constexpr const char* LiveDump = "Записать историю PID 255 в dumpdata.txt";
inline constexpr const char* HintLiveDump
    = "Записать историю PID 255 в файл dumpdata.txt в папке программы";
inline constexpr const char* LiveNoProfile
    = "Профиль не выбран: выберите профиль отображения в списке «Профиль:».";
inline constexpr const char* LiveProfileMissing = "Файл профиля %1 не найден";
inline constexpr const char* MeasureUnwritable = "Не удалось записать результаты замеров в %1: %2";
// ---- Trends page and trend cursors ----
// The cursor box's row of the time between the cursors.
inline constexpr const char* TrendCursorTime = "Δt, с";
// Over a stretch of a trend where the stream paused.
inline constexpr const char* TrendPauseMark = "пауза";
inline constexpr const char* TrendsTestSignalAction = "Тестовый сигнал окна на графике (PID 255)";
inline constexpr const char* TrendsWholeHistory = "Показать всю историю";
inline constexpr const char* HintTrendsTestSignal
    = "Тестовый сигнал окна (PID 255) вкл/выкл; график следует за новыми данными";
inline constexpr const char* HintTrendsWholeHistory = "Вся записанная история в одном окне";
inline constexpr const char* HintTrendsBackWindow = "Назад на целое окно";
inline constexpr const char* HintTrendsBackHalf = "Назад на пол-окна";
inline constexpr const char* HintTrendsForwardHalf = "Вперёд на пол-окна";
inline constexpr const char* HintTrendsFollow = "К новым данным: график следует за ними";
inline constexpr const char* HintTrendsChart
    = "Колесо — масштаб времени, перетаскивание — сдвиг, щелчок — курсор A, правый щелчок — "
      "курсор B, Esc — убрать курсоры, двойной щелчок — к новым данным";
inline constexpr const char* TrendsRpm = "Обороты";
inline constexpr const char* TrendsCoolant = "Темп. ОЖ";
inline constexpr const char* TrendsThrottle = "Дроссель";
inline constexpr const char* TrendsTestSignal = "Тест";

// ---- Memory page: dump files and their comparison ----
// A dump file that does not fill the image exactly (%1 the file, %2 its size, %3 the
// image's size).
inline constexpr const char* LogMemDumpShort
    = "Файл %1 содержит %2 байт из %3: образ памяти заполнен только до его конца.";
inline constexpr const char* LogMemDumpLong
    = "Файл %1 содержит %2 байт: в образ памяти взяты первые %3.";
inline constexpr const char* LogMemDumpLoaded = "Образ памяти загружен из файла %1.";
// A dump file offered while a memory read is queued or running.
inline constexpr const char* LogMemLoadBusy
    = "Идёт чтение памяти: файл не загружен. Дождитесь конца чтения или нажмите «Стоп чтения».";
inline constexpr const char* MemReadError = "Не удалось прочитать файл %1: %2";
inline constexpr const char* HintDumpStop = "Прервать идущее чтение памяти";
// The comparison of the adaptive tables of two dumps of the vehicle.
inline constexpr const char* MemTabCompare = "Сравнение визитов";
inline constexpr const char* MemCompareHint = "Снимки памяти автомобиля (выберите два):";
inline constexpr const char* MemCompareRefresh = "Обновить список";
inline constexpr const char* MemCompareChooseTwo
    = "Выберите в списке два снимка памяти, чтобы сравнить их таблицы адаптации.";
// %1 values that differ, %2 all values compared.
inline constexpr const char* MemCompareSummary
    = "Изменилось значений: %1 из %2 (красный - выросло, зелёный - уменьшилось)";
inline constexpr const char* MemCompareShortFile = "нет данных";
// ---- Session recording -------------------------------------------------------
// These take their arguments with QString::arg (%1, %2, %3).

inline constexpr const char* RecordingWriteFailed = "Не удалось записать сеанс в %1: %2";
inline constexpr const char* RecordingUnreadable = "Не удалось прочитать запись %1: %2";
inline constexpr const char* RecordingNotOne = "Файл %1 не является записью сеанса";
inline constexpr const char* RecordingNewer
    = "Запись %1 сделана более новой версией программы и не может быть прочитана";
inline constexpr const char* RecordingHeaderDamaged = "Заголовок записи %1 повреждён";
// %2: bytes, %3: seconds of the recording that were read.
inline constexpr const char* RecordingPartLost
    = "Запись %1 повреждена или оборвана: %2 байт не прочитано, прочитано %3 с";
inline constexpr const char* RecordingNoFolder = "не удалось создать папку";
inline constexpr const char* OptRecordSessions = "Записывать сеансы";
inline constexpr const char* HintRecordSessions
    = "Каждый сеанс чтения данных записывается в папку Recordings текущего автомобиля";
inline constexpr const char* ActRecordings = "Записи сеансов...";
inline constexpr const char* RecordingsTitle = "Записи сеансов: %1";
inline constexpr const char* RecordingsNoVehicle = "без автомобиля";
// A line of the list: %1 the file's name, %2 its size in megabytes.
inline constexpr const char* RecordingsItem = "%1 (%2 МБ)";
inline constexpr const char* RecordingsDelete = "Удалить";
inline constexpr const char* RecordingsDeleteQuestion = "Удалить выбранные записи (%1)?";
inline constexpr const char* RecordingsDeleteFailed = "Не удалось удалить %1";
// ---- fault matrix ----
// The last line of an update whose port would not open.
inline constexpr const char* LogFirmwareFailedPort
    = "Обновление прошивки не выполнено: порт не открылся!";

// ---- Replay of recorded sessions ----------------------------------------

inline constexpr const char* ActOpenRecording = "Открыть запись...";
inline constexpr const char* HintOpenRecording
    = "Воспроизвести записанный сеанс данных на панели, в матрице и в трендах";
inline constexpr const char* ActVehicleRecordings = "Записи...";
inline constexpr const char* HintVehicleRecordings
    = "Открыть запись сеанса данных выбранного автомобиля";
inline constexpr const char* RecordingOpenTitle = "Укажите запись сеанса данных";
// %1: the pattern of the recordings' file names.
inline constexpr const char* RecordingFilter = "Записи сеансов данных (%1);;Все файлы (*)";
inline constexpr const char* ReplayStopStream
    = "Идёт приём данных от модуля. Остановить его и открыть запись?";
inline constexpr const char* ReplayLinkBusy
    = "Модуль занят (коды неисправностей, чтение памяти или обновление прошивки). "
      "Дождитесь окончания и откройте запись снова.";
// %1: the file, %2: the reason.
inline constexpr const char* ReplayUnreadable = "Не удалось открыть запись %1: %2";
inline constexpr const char* LogReplayRefused
    = "Идёт воспроизведение записи: команда модулю не отправлена.";
inline constexpr const char* ReplayPlay = "Пуск";
inline constexpr const char* ReplayPause = "Пауза";
inline constexpr const char* HintReplayPlay = "Воспроизвести или приостановить запись";
inline constexpr const char* ReplaySpeed = "Скорость:";
inline constexpr const char* HintReplaySeek = "Перейти к любому моменту записи";
inline constexpr const char* ReplayNextMark = "Тревоги: %1 ▶";
inline constexpr const char* HintReplayNextMark
    = "Перейти к следующему выходу значения за предел: за 5 с до него";
inline constexpr const char* ReplayClose = "Закрыть запись";
inline constexpr const char* HintReplayClose = "Закрыть запись и вернуться к данным модуля";
// %1: the recording's file name.
inline constexpr const char* ReplayCaption = "Запись: %1";

} // namespace Texts
