<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Texts</name>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Подтверждение</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Не удалось скопировать файл программы в папку пользователя: %1</source>
        <translation>Could not copy a program file to the user&apos;s folder: %1</translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation>Could not write file %1: %2</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>превышен допустимый размер файла</source>
        <translation>file size limit exceeded</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>папка не найдена</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>Не удалось открыть %1: %2</source>
        <translation>Could not open %1: %2</translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>Инициализация порта...</source>
        <translation>Initializing port...</translation>
    </message>
    <message>
        <source>Открытие порта...</source>
        <translation>Opening port...</translation>
    </message>
    <message>
        <source>Ошибка инициализации порта: %s</source>
        <translation>Port initialization error: %s</translation>
    </message>
    <message>
        <source>Порт открыт...</source>
        <translation>Port open...</translation>
    </message>
    <message>
        <source>Команда приёма данных %s...</source>
        <translation>Data read command %s...</translation>
    </message>
    <message>
        <source>Инициализация карты PID (%s)...</source>
        <translation>Initializing PID map (%s)...</translation>
    </message>
    <message>
        <source>Начало приёма данных...</source>
        <translation>Starting data reception...</translation>
    </message>
    <message>
        <source>Останавливаем прием данных...</source>
        <translation>Stopping data reception...</translation>
    </message>
    <message>
        <source>Команда приёма данных с %.3x по %.3x...</source>
        <translation>Data read command from %.3x to %.3x...</translation>
    </message>
    <message>
        <source>Инициализация карты смещений...</source>
        <translation>Initializing offset map...</translation>
    </message>
    <message>
        <source>Проверка данных...</source>
        <translation>Checking data...</translation>
    </message>
    <message>
        <source>Ошибка по смещению %.4x!</source>
        <translation>Error at offset %.4x!</translation>
    </message>
    <message>
        <source>Данные считаны без ошибок...</source>
        <translation>Data read without errors...</translation>
    </message>
    <message>
        <source>Данные содержат ошибки! Повторите попытку считывания!</source>
        <translation>The data contain errors! Try reading again!</translation>
    </message>
    <message>
        <source>Сохранение данных...</source>
        <translation>Saving data...</translation>
    </message>
    <message>
        <source>Ошибка чтения/записи опций модуля!</source>
        <translation>Error reading/writing module options!</translation>
    </message>
    <message>
        <source>Сброс статуса/чтение кода калибровки...</source>
        <translation>Resetting status/reading calibration code...</translation>
    </message>
    <message>
        <source>Ошибка сброса статуса/чтения кода калибровки!</source>
        <translation>Error resetting status/reading calibration code!</translation>
    </message>
    <message>
        <source>Получен ответ от загрузчика...</source>
        <translation>Boot loader answered...</translation>
    </message>
    <message>
        <source>Прошивка...</source>
        <translation>Flashing...</translation>
    </message>
    <message>
        <source>Ошибка во время программирования!</source>
        <translation>Error while programming!</translation>
    </message>
    <message>
        <source>Верификация...</source>
        <translation>Verifying...</translation>
    </message>
    <message>
        <source>Верификация пройдена!</source>
        <translation>Verification passed!</translation>
    </message>
    <message>
        <source>Ошибка верификации данных!</source>
        <translation>Data verification error!</translation>
    </message>
    <message>
        <source>Обновление прошивки успешно завершено!</source>
        <translation>Firmware update completed successfully!</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл прошивки %1: %2</source>
        <translation>Could not read firmware file %1: %2</translation>
    </message>
    <message>
        <source>Файл прошивки %1 пуст: обновление не начато</source>
        <translation>Firmware file %1 is empty: update not started</translation>
    </message>
    <message>
        <source>Файл прошивки %1 больше 64 КБ (%2 байт): такой прошивки у модуля не бывает, обновление не начато</source>
        <translation>Firmware file %1 is larger than 64 KB (%2 bytes): the module has no such firmware, update not started</translation>
    </message>
    <message>
        <source>Код устройства для загрузчика: %1</source>
        <translation>Device code for the boot loader: %1</translation>
    </message>
    <message>
        <source>Загрузчик не сообщил коды устройств, используется код %1</source>
        <translation>The boot loader reported no device codes, using code %1</translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: файл прошивки не загружен!</source>
        <translation>Firmware update failed: firmware file not loaded!</translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: нет связи с загрузчиком!</source>
        <translation>Firmware update failed: no link with the boot loader!</translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: загрузчик не принял подготовку к записи!</source>
        <translation>Firmware update failed: the boot loader refused to prepare for writing!</translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: загрузчик отклонил блок!</source>
        <translation>Firmware update failed: the boot loader rejected a block!</translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: верификация не пройдена!</source>
        <translation>Firmware update failed: verification failed!</translation>
    </message>
    <message>
        <source>Обновление прошивки не завершено: загрузчик не подтвердил выход!</source>
        <translation>Firmware update not completed: the boot loader did not confirm the exit!</translation>
    </message>
    <message>
        <source>Скорость порта EEC-IV:</source>
        <translation>EEC-IV port speed:</translation>
    </message>
    <message>
        <source>Формат вывода данных:</source>
        <translation>Data output format:</translation>
    </message>
    <message>
        <source>Инициализация...</source>
        <translation>Initializing...</translation>
    </message>
    <message>
        <source>Ждём перезапуска модуля...</source>
        <translation>Waiting for the module to restart...</translation>
    </message>
    <message>
        <source>Не удалось сохранить данные в файл %1: %2</source>
        <translation>Could not save the data to file %1: %2</translation>
    </message>
    <message>
        <source>Ошибка по смещению %.4x–%.4x!</source>
        <translation>Error at offset %.4x–%.4x!</translation>
    </message>
    <message>
        <source>Чтение памяти прервано.</source>
        <translation>Memory read cancelled.</translation>
    </message>
    <message>
        <source>Новые строки памяти не поступают %1 с, хотя модуль передаёт данные: чтение остановлено.</source>
        <translation>No new memory rows for %1 s although the module is sending data: read stopped.</translation>
    </message>
    <message>
        <source>Ошибка порта: %s</source>
        <translation>Port error: %s</translation>
    </message>
    <message>
        <source>поток данных прервался, устройство недоступно</source>
        <translation>the data stream broke off, the device is unavailable</translation>
    </message>
    <message>
        <source>Нет доступа к порту %1: добавьте своего пользователя в группу %2 (sudo usermod -aG %2 $USER) и войдите в систему заново.</source>
        <translation>No access to port %1: add your user to the group %2 (sudo usermod -aG %2 $USER) and log in again.</translation>
    </message>
    <message>
        <source>Нет доступа к порту %1: получите у администратора права на чтение и запись этого устройства и войдите в систему заново.</source>
        <translation>No access to port %1: ask the administrator for read and write access to this device and log in again.</translation>
    </message>
    <message>
        <source>Адаптер не найден на %1: подключите адаптер или выберите порт в настройках</source>
        <translation>Adapter not found on %1: connect the adapter or choose the port in Options</translation>
    </message>
    <message>
        <source>Порт %1 занят другой программой: закройте её или выберите другой порт в настройках</source>
        <translation>Port %1 is in use by another program: close it or choose another port in Options</translation>
    </message>
    <message>
        <source>%1 — не последовательный порт: выберите порт адаптера в настройках</source>
        <translation>%1 is not a serial port: choose the adapter&apos;s port in Options</translation>
    </message>
    <message>
        <source>Связь с адаптером на %1 потеряна: проверьте кабель адаптера и подключитесь снова</source>
        <translation>Link with the adapter on %1 lost: check the adapter cable and connect again</translation>
    </message>
    <message>
        <source>Порт %1 не работает: переподключите адаптер или выберите другой порт в настройках</source>
        <translation>Port %1 does not work: reconnect the adapter or choose another port in Options</translation>
    </message>
    <message>
        <source>%1. Подробности: %2</source>
        <translation>%1. Details: %2</translation>
    </message>
    <message>
        <source>Модуль не отвечает на %1 (%2 бит/с): проверьте скорость обмена в настройках, кабель адаптера и включено ли зажигание</source>
        <translation>The module does not answer on %1 (%2 bit/s): check the baud rate in Options, the adapter cable and whether the ignition is on</translation>
    </message>
    <message>
        <source>ЭБУ не отвечает: включите зажигание и проверьте, что кабель адаптера надёжно подключён к диагностическому разъёму, затем нажмите «Подключить»</source>
        <translation>The ECU does not answer: turn the ignition on and check that the adapter cable is firmly plugged into the diagnostic connector, then press &quot;Connect&quot;</translation>
    </message>
    <message>
        <source>ЭБУ не прислал код калибровки: проверьте зажигание и разъём диагностики, затем нажмите «Подключить»</source>
        <translation>The ECU sent no calibration code: check the ignition and the diagnostic connector, then press &quot;Connect&quot;</translation>
    </message>
    <message>
        <source>Код калибровки ЭБУ: %1 — %2</source>
        <translation>ECU calibration code: %1 — %2</translation>
    </message>
    <message>
        <source>Формат «%1» не подходит для одного числа: %2</source>
        <translation>Format &quot;%1&quot; does not fit a single number: %2</translation>
    </message>
    <message>
        <source>нет преобразования после «%»</source>
        <translation>no conversion after &quot;%&quot;</translation>
    </message>
    <message>
        <source>тип «%1» не для числа с плавающей точкой</source>
        <translation>type &quot;%1&quot; is not for a floating-point number</translation>
    </message>
    <message>
        <source>нет числа для преобразования номер %1</source>
        <translation>no number for conversion %1</translation>
    </message>
    <message>
        <source>ширина или точность «*» требует второго числа</source>
        <translation>width or precision &quot;*&quot; needs a second number</translation>
    </message>
    <message>
        <source>ширина больше %1</source>
        <translation>width over %1</translation>
    </message>
    <message>
        <source>LabelRatio равен 0: значение не показывается</source>
        <translation>LabelRatio is 0: the value is not shown</translation>
    </message>
    <message>
        <source>значение %1 не переводится в целое: цвет не меняется</source>
        <translation>value %1 does not convert to an integer: the colour does not change</translation>
    </message>
    <message>
        <source>Max равен Min (%1): стрелки и красная зона не рисуются</source>
        <translation>Max equals Min (%1): needles and red zone are not drawn</translation>
    </message>
    <message>
        <source>TickCountBig равен 0: деления и числа не рисуются</source>
        <translation>TickCountBig is 0: ticks and numbers are not drawn</translation>
    </message>
    <message>
        <source>слишком много делений (%1 × %2): деления и числа не рисуются</source>
        <translation>too many ticks (%1 × %2): ticks and numbers are not drawn</translation>
    </message>
    <message>
        <source>TickLabelRatio равен 0: числа шкалы не рисуются</source>
        <translation>TickLabelRatio is 0: scale numbers are not drawn</translation>
    </message>
    <message>
        <source>изображение %1 × %2 слишком велико: прибор не рисуется</source>
        <translation>image %1 × %2 is too large: the gauge is not drawn</translation>
    </message>
    <message>
        <source>Arrows: пустое значение не принимается</source>
        <translation>Arrows: an empty value is not accepted</translation>
    </message>
    <message>
        <source>%1 = %2 вне допустимых пределов (%3 … %4)</source>
        <translation>%1 = %2 out of range (%3 … %4)</translation>
    </message>
    <message>
        <source>Fatal error</source>
        <translation>Fatal error</translation>
    </message>
    <message>
        <source>Invalid item definition: </source>
        <translation>Invalid item definition: </translation>
    </message>
    <message>
        <source>Check definition</source>
        <translation>Check definition</translation>
    </message>
    <message>
        <source> file.</source>
        <translation> file.</translation>
    </message>
    <message>
        <source>не цвет: ожидается имя цвета или целое число</source>
        <translation>not a colour: a colour name or an integer is expected</translation>
    </message>
    <message>
        <source>не целое число в пределах 32 бит</source>
        <translation>not a 32-bit integer</translation>
    </message>
    <message>
        <source>нет такого значения</source>
        <translation>no such value</translation>
    </message>
    <message>
        <source>в наборе нет элемента «%1»</source>
        <translation>the set has no element &quot;%1&quot;</translation>
    </message>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>число вне пределов типа</source>
        <translation>number out of the type&apos;s range</translation>
    </message>
    <message>
        <source>свойство этого типа нельзя задать текстом</source>
        <translation>a property of this type cannot be set as text</translation>
    </message>
    <message>
        <source>свойство только для чтения</source>
        <translation>read-only property</translation>
    </message>
    <message>
        <source>значение не принято</source>
        <translation>value not accepted</translation>
    </message>
    <message>
        <source>номер элемента должен быть от 0 до %1</source>
        <translation>the element number must be from 0 to %1</translation>
    </message>
    <message>
        <source>больше %1 элементов в наборе не создаётся, такие определения дальше пропускаются</source>
        <translation>no more than %1 elements are created in a set, further such definitions are skipped</translation>
    </message>
    <message>
        <source>Профиль %1: пропущено строк длиннее %3 символов: %2</source>
        <translation>Profile %1: lines longer than %3 characters skipped: %2</translation>
    </message>
    <message>
        <source>Профиль %1: больше %2 элементов не создаётся</source>
        <translation>Profile %1: no more than %2 items are created</translation>
    </message>
    <message>
        <source>Профиль %1: больше %2 определений не применяется</source>
        <translation>Profile %1: no more than %2 definitions are applied</translation>
    </message>
    <message>
        <source>Trends: пустое значение не принимается</source>
        <translation>Trends: an empty value is not accepted</translation>
    </message>
    <message>
        <source>график %1 × %2 при SmoothFactor %3 слишком велик: не рисуется</source>
        <translation>chart %1 × %2 with SmoothFactor %3 is too large: not drawn</translation>
    </message>
    <message>
        <source>Профиль %1: найдено ошибок: %2. Список — в подробностях.</source>
        <translation>Profile %1: errors found: %2. The list is in the details.</translation>
    </message>
    <message>
        <source>Профиль %1 не может быть показан. Причина — в подробностях.</source>
        <translation>Profile %1 cannot be shown. The reason is in the details.</translation>
    </message>
    <message>
        <source>… и ещё ошибок: %1</source>
        <translation>… and more errors: %1</translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>это папка, а не файл профиля</source>
        <translation>this is a folder, not a profile file</translation>
    </message>
    <message>
        <source>файл больше %1 МБ</source>
        <translation>file larger than %1 MB</translation>
    </message>
    <message>
        <source>«%1» — не цвет: ожидается имя цвета (clBlack) или число ($BBGGRR)</source>
        <translation>&quot;%1&quot; is not a colour: a colour name (clBlack) or a number ($BBGGRR) is expected</translation>
    </message>
    <message>
        <source>файл пуст: не создано ни одного элемента</source>
        <translation>the file is empty: no item created</translation>
    </message>
    <message>
        <source>файл в UTF-16 (или не текст): не создано ни одного элемента; сохраните его как UTF-8</source>
        <translation>the file is UTF-16 (or not text): no item created; save it as UTF-8</translation>
    </message>
    <message>
        <source>нет раздела [Gauges]: не создано ни одного элемента</source>
        <translation>no [Gauges] section: no item created</translation>
    </message>
    <message>
        <source>в разделе [Gauges] нет ни одного известного класса: не создано ни одного элемента</source>
        <translation>the [Gauges] section has no known class: no item created</translation>
    </message>
    <message>
        <source>значение не в UTF-8 (похоже на Windows-1251) и взято пустым; сохраните файл как UTF-8</source>
        <translation>the value is not UTF-8 (looks like Windows-1251) and was taken as empty; save the file as UTF-8</translation>
    </message>
    <message>
        <source>изображения элемента заняли бы %1 МБ, а всем элементам панели отведено %2 МБ (занято %3 МБ): элемент не создан</source>
        <translation>the item&apos;s images would take %1 MB, while all items of the dashboard get %2 MB (%3 MB used): item not created</translation>
    </message>
    <message>
        <source>десятичный разделитель — точка: %1</source>
        <translation>the decimal separator is a point: %1</translation>
    </message>
    <message>
        <source>неизвестно</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>бит %1</source>
        <translation>bit %1</translation>
    </message>
    <message>
        <source>pids.txt, строка %1: %2</source>
        <translation>pids.txt, line %1: %2</translation>
    </message>
    <message>
        <source>меньше пяти полей через табуляцию</source>
        <translation>fewer than five tab-separated fields</translation>
    </message>
    <message>
        <source>номер PID не шестнадцатеричный 00…FF (бит: 0…15)</source>
        <translation>PID number is not hexadecimal 00…FF (bit: 0…15)</translation>
    </message>
    <message>
        <source>нет названия</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>PidName %1: не номер PID (0D) и не бит (1A.7)</source>
        <translation>PidName %1: not a PID number (0D) and not a bit (1A.7)</translation>
    </message>
    <message>
        <source>Мин., макс., среднее с начала приёма</source>
        <translation>Min, max and mean since data reception started</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Мин.</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Макс.</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Среднее</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Ед.</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Мин./макс.</source>
        <translation>Min/max</translation>
    </message>
    <message>
        <source>Наименьшее, наибольшее и среднее значение каждого PID панели с начала приёма</source>
        <translation>Lowest, highest and mean value of each PID of the dashboard since reception started</translation>
    </message>
    <message>
        <source>Предупреждение: %1 = %2</source>
        <translation>Warning: %1 = %2</translation>
    </message>
    <message>
        <source>Тревога: %1 = %2</source>
        <translation>Alarm: %1 = %2</translation>
    </message>
    <message>
        <source>Кадр %1, позиция %2</source>
        <translation>Frame %1, position %2</translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <translation>%1: %2 = %3</translation>
    </message>
    <message>
        <source>Не удалось прочитать таблицу PID %1: %2</source>
        <translation>Could not read PID table %1: %2</translation>
    </message>
    <message>
        <source>Не найден файл кодов ошибок codes.txt!</source>
        <translation>Fault code file codes.txt not found!</translation>
    </message>
    <message>
        <source>Ошибка чтения файла кодов ошибок codes.txt: %s</source>
        <translation>Error reading fault code file codes.txt: %s</translation>
    </message>
    <message>
        <source>Код: %s<byte value="xd"/>
Режим: %s<byte value="xd"/>
Описание: %s<byte value="xd"/>
Комментарий: %s<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Code: %s<byte value="xd"/>
Mode: %s<byte value="xd"/>
Description: %s<byte value="xd"/>
Comment: %s<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Данные по установленному EEC-IV</source>
        <translation>Installed EEC-IV data</translation>
    </message>
    <message>
        <source>Модель:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Годы выпуска:</source>
        <translation>Model years:</translation>
    </message>
    <message>
        <source>Объем двигателя:</source>
        <translation>Engine displacement:</translation>
    </message>
    <message>
        <source>Аппаратная ревизия:</source>
        <translation>Hardware revision:</translation>
    </message>
    <message>
        <source>Стратегия:</source>
        <translation>Strategy:</translation>
    </message>
    <message>
        <source>Код продукта:</source>
        <translation>Product code:</translation>
    </message>
    <message>
        <source>Код FINIS:</source>
        <translation>FINIS code:</translation>
    </message>
    <message>
        <source>Код CATCH:</source>
        <translation>CATCH code:</translation>
    </message>
    <message>
        <source>Код калибровки:</source>
        <translation>Calibration code:</translation>
    </message>
    <message>
        <source>Иммобилайзер:</source>
        <translation>Immobilizer:</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Модель</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Год выпуска</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>VIN</source>
        <translation>VIN</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>Дата диагностики</source>
        <translation>Diagnosis date</translation>
    </message>
    <message>
        <source>Примечания</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Добавление/редактирование автомобиля</source>
        <translation>Add/edit vehicle</translation>
    </message>
    <message>
        <source> Определено подключение автомобиля, отсутствующего в списке. Пожалуйста, заполните данные по автомобилю и сохраните в списке автомобилей.</source>
        <translation> A vehicle that is not in the list has been connected. Please fill in the vehicle&apos;s data and save it to the vehicle list.</translation>
    </message>
    <message>
        <source> Регистрационные данные </source>
        <translation> Registration data </translation>
    </message>
    <message>
        <source> Технические данные </source>
        <translation> Technical data </translation>
    </message>
    <message>
        <source>Название:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Калибр.код:</source>
        <translation>Cal. code:</translation>
    </message>
    <message>
        <source>Калибровочный код считывается из EEC-IV в момент подключения. Вручную вводить не нужно.</source>
        <translation>The calibration code is read from the EEC-IV on connecting. There is no need to enter it by hand.</translation>
    </message>
    <message>
        <source>Редактировать</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Данные ЭБУ:</source>
        <translation>ECU data:</translation>
    </message>
    <message>
        <source>Год выпуска:</source>
        <translation>Model year:</translation>
    </message>
    <message>
        <source>VIN:</source>
        <translation>VIN:</translation>
    </message>
    <message>
        <source>Гос.номер:</source>
        <translation>License plate:</translation>
    </message>
    <message>
        <source>Примечания:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Профиль:</source>
        <translation>Profile:</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Не найден файл моделей models.txt!</source>
        <translation>Model file models.txt not found!</translation>
    </message>
    <message>
        <source>Не удалось прочитать список автомобилей %1: %2</source>
        <translation>Could not read the vehicle list %1: %2</translation>
    </message>
    <message>
        <source>Не удалось сохранить список автомобилей в %1: %2</source>
        <translation>Could not save the vehicle list to %1: %2</translation>
    </message>
    <message>
        <source>файл в кодировке UTF-16, а нужен 8-битный текст</source>
        <translation>the file is UTF-16, but 8-bit text is needed</translation>
    </message>
    <message>
        <source>символ NUL в строке %1: дальше файл не читается</source>
        <translation>NUL character in line %1: the rest of the file is not read</translation>
    </message>
    <message>
        <source>в файле нет ни одного раздела [...]</source>
        <translation>the file has no [...] section</translation>
    </message>
    <message>
        <source>Список автомобилей %1 не был прочитан (%2): он оставлен как есть и не заменён пустым</source>
        <translation>The vehicle list %1 was not read (%2): it is left as it is and not replaced by an empty one</translation>
    </message>
    <message>
        <source>он не загрузился при запуске</source>
        <translation>it did not load at start-up</translation>
    </message>
    <message>
        <source>Список автомобилей %1 не был прочитан: прежний файл сохранён как %2</source>
        <translation>The vehicle list %1 was not read: the old file is kept as %2</translation>
    </message>
    <message>
        <source>Список автомобилей %1 не был прочитан и не переименовывается в %2: новый список не записан</source>
        <translation>The vehicle list %1 was not read and is not renamed to %2: the new list is not written</translation>
    </message>
    <message>
        <source>цикл символических ссылок</source>
        <translation>symbolic link loop</translation>
    </message>
    <message>
        <source>символическая ссылка ведёт к несуществующему файлу %1</source>
        <translation>symbolic link points to the missing file %1</translation>
    </message>
    <message>
        <source>В файле кодов ошибок codes.txt нет ни одного кода: %1</source>
        <translation>The fault code file codes.txt has no codes: %1</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>ни одна из %1 строк не номер кода с текстами</source>
        <translation>no line is a code number with texts (lines: %1)</translation>
    </message>
    <message>
        <source>Файл кодов ошибок codes.txt прочитан не до конца: символ NUL в строке %1, не прочитано строк: %2</source>
        <translation>The fault code file codes.txt was not read to the end: NUL character in line %1, lines not read: %2</translation>
    </message>
    <message>
        <source>нет описания</source>
        <translation>no description</translation>
    </message>
    <message>
        <source>Ошибки в файлах данных программы:</source>
        <translation>Errors in the program&apos;s data files:</translation>
    </message>
    <message>
        <source>Файл профилей автомобилей %1: %2</source>
        <translation>Vehicle profile file %1: %2</translation>
    </message>
    <message>
        <source>не удаётся прочитать (%1)</source>
        <translation>cannot be read (%1)</translation>
    </message>
    <message>
        <source>ни одного профиля</source>
        <translation>no profiles</translation>
    </message>
    <message>
        <source>Профиль автомобиля не выбран: адреса адаптивных таблиц равны 0</source>
        <translation>No vehicle profile chosen: the adaptive table addresses are 0</translation>
    </message>
    <message>
        <source>Профиль автомобиля № %1 вне списка профилей (их %2): адреса адаптивных таблиц равны 0</source>
        <translation>Vehicle profile no. %1 is beyond the profile list (profiles in it: %2): the adaptive table addresses are 0</translation>
    </message>
    <message>
        <source>Использование: veskor-reader [--home ПАПКА] --render-profile ФАЙЛ.ini [--size ШxВ] [--set PID=ЗНАЧЕНИЕ]... -o ФАЙЛ.png
  Строит профиль отображения на панели без окна, передаёт значения PID и сохраняет панель в PNG.
  Ошибки определений выводятся в stderr; код возврата 1, если они были.</source>
        <translation>Usage: veskor-reader [--home DIR] --render-profile FILE.ini [--size WxH] [--set PID=VALUE]... -o FILE.png
  Builds a display profile on a dashboard without a window, feeds it the PID values and saves the dashboard as PNG.
  Definition errors go to stderr; the exit code is 1 if there were any.</translation>
    </message>
    <message>
        <source>Неверный размер «%1»: нужно ШxВ, от 1 до 8192</source>
        <translation>Invalid size &quot;%1&quot;: WxH is needed, 1 to 8192</translation>
    </message>
    <message>
        <source>Неверное значение «%1»: нужно PID=ЧИСЛО, PID от 0 до 255</source>
        <translation>Invalid value &quot;%1&quot;: PID=NUMBER is needed, PID 0 to 255</translation>
    </message>
    <message>
        <source>Неизвестный или неполный параметр «%1»</source>
        <translation>Unknown or incomplete option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Нужны --render-profile ФАЙЛ и -o ФАЙЛ.png</source>
        <translation>--render-profile FILE and -o FILE.png are needed</translation>
    </message>
    <message>
        <source>Не удаётся прочитать профиль %1</source>
        <translation>Cannot read profile %1</translation>
    </message>
    <message>
        <source>Не удаётся записать изображение %1</source>
        <translation>Cannot write image %1</translation>
    </message>
    <message>
        <source>VeskorReader</source>
        <translation>VeskorReader</translation>
    </message>
    <message>
        <source> — симуляция, без автомобиля</source>
        <translation> — simulation, no vehicle</translation>
    </message>
    <message>
        <source>Симуляция</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Выбранный автомобиль:</source>
        <translation>Selected vehicle:</translation>
    </message>
    <message>
        <source>Подключить</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Сброс модуля</source>
        <translation>Reset module</translation>
    </message>
    <message>
        <source>Сброс и перезагрузка диагностического модуля</source>
        <translation>Reset and restart the diagnostic module</translation>
    </message>
    <message>
        <source>Отключить</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Отключение от адаптера и освобождение COM-порта</source>
        <translation>Disconnect from the adapter and release the serial port</translation>
    </message>
    <message>
        <source>Скин</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>Тёмная</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Автомобили</source>
        <translation>Vehicles</translation>
    </message>
    <message>
        <source>Коды ошибок</source>
        <translation>Fault codes</translation>
    </message>
    <message>
        <source>Данные</source>
        <translation>Live data</translation>
    </message>
    <message>
        <source>Тренды</source>
        <translation>Trends</translation>
    </message>
    <message>
        <source>Память</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Матрица</source>
        <translation>Matrix</translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Панели</source>
        <translation>Panels</translation>
    </message>
    <message>
        <source>Показать или скрыть матрицу и журнал справа</source>
        <translation>Show or hide the matrix and the log on the right</translation>
    </message>
    <message>
        <source>Отладка</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Панель приборов во весь экран (F11); назад — Esc или F11</source>
        <translation>Dashboard on the full screen (F11); back with Esc or F11</translation>
    </message>
    <message>
        <source>цикл %1</source>
        <translation>cycle %1</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Очистить окно системного журнала</source>
        <translation>Clear the system log window</translation>
    </message>
    <message>
        <source>Подключение...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Не найдено профилей отображения данных!<byte value="xd"/>Проверьте наличие файлов в папке %s</source>
        <translation>No display profiles found!<byte value="xd"/>Check the files in the folder %s</translation>
    </message>
    <message>
        <source>Страница «%1» появится в следующей версии.</source>
        <translation>The &quot;%1&quot; page will come in the next version.</translation>
    </message>
    <message>
        <source>Модуль:</source>
        <translation>Module:</translation>
    </message>
    <message>
        <source>Версия:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Режим:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>отключен</source>
        <translation>disconnected</translation>
    </message>
    <message>
        <source>поиск.</source>
        <translation>searching.</translation>
    </message>
    <message>
        <source>подключен</source>
        <translation>connected</translation>
    </message>
    <message>
        <source>недоступен</source>
        <translation>unavailable</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>Нет связи</source>
        <translation>No link</translation>
    </message>
    <message>
        <source>нет связи с EEC</source>
        <translation>no link with EEC</translation>
    </message>
    <message>
        <source>Обмен с EEC-IV</source>
        <translation>Communicating with EEC-IV</translation>
    </message>
    <message>
        <source>Нет связи с EEC-IV</source>
        <translation>No link with EEC-IV</translation>
    </message>
    <message>
        <source>Добавить автомобиль</source>
        <translation>Add vehicle</translation>
    </message>
    <message>
        <source>Редактировать автомобиль</source>
        <translation>Edit vehicle</translation>
    </message>
    <message>
        <source>Удалить автомобиль</source>
        <translation>Delete vehicle</translation>
    </message>
    <message>
        <source>Удалить автомобиль из списка?</source>
        <translation>Delete the vehicle from the list?</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>%1
Список автомобилей не будет перезаписан, пока программа работает: исправьте или переименуйте файл и перезапустите программу.</source>
        <translation>%1
The vehicle list will not be overwritten while the program runs: fix or rename the file and restart the program.</translation>
    </message>
    <message>
        <source>Читать коды</source>
        <translation>Read codes</translation>
    </message>
    <message>
        <source>Считать сохранённые коды ошибок</source>
        <translation>Read the stored fault codes</translation>
    </message>
    <message>
        <source>Стереть коды</source>
        <translation>Clear codes</translation>
    </message>
    <message>
        <source>Стереть сохранённые коды ошибок</source>
        <translation>Clear the stored fault codes</translation>
    </message>
    <message>
        <source>Запустить тест</source>
        <translation>Run test</translation>
    </message>
    <message>
        <source>Запустить тест KOEO/KOER</source>
        <translation>Run the KOEO/KOER self-test</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Копировать текст отчёта в буфер обмена</source>
        <translation>Copy the report text to the clipboard</translation>
    </message>
    <message>
        <source>Сохранить отчёт</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Сохранить в HTML-файле отчёт по результатам чтения ошибок/теста двигателя</source>
        <translation>Save a report of the fault code read/engine self-test as an HTML file</translation>
    </message>
    <message>
        <source>Обработка команды...</source>
        <translation>Processing command...</translation>
    </message>
    <message>
        <source>Сохранённых кодов неисправностей нет.</source>
        <translation>No fault codes stored.</translation>
    </message>
    <message>
        <source>Прочитано кодов неисправностей: %1.</source>
        <translation>Fault codes read: %1.</translation>
    </message>
    <message>
        <source>Коды неисправностей стёрты из памяти ЭБУ.</source>
        <translation>Fault codes cleared from the ECU memory.</translation>
    </message>
    <message>
        <source>Самотест завершён: неисправностей не найдено.</source>
        <translation>Self-test completed: no faults found.</translation>
    </message>
    <message>
        <source>Самотест завершён: найдено кодов: %1.</source>
        <translation>Self-test completed: codes found: %1.</translation>
    </message>
    <message>
        <source>ЭБУ не ответил. Проверьте, что ключ зажигания включён, а кабель адаптера надёжно подключён к диагностическому разъёму, и повторите. Прежний результат сохранён.</source>
        <translation>The ECU did not answer. Check that the ignition key is on and the adapter cable is firmly plugged into the diagnostic connector, and try again. The previous result is kept.</translation>
    </message>
    <message>
        <source>Самотест не завершился за %1 с: ЭБУ не прислал результат. Проверьте ключ зажигания и кабель адаптера и повторите тест. Прежний результат сохранён.</source>
        <translation>The self-test did not finish within %1 s: the ECU sent no result. Check the ignition key and the adapter cable and run the test again. The previous result is kept.</translation>
    </message>
    <message>
        <source>Самотест прерван. Прежний результат сохранён.</source>
        <translation>Self-test cancelled. The previous result is kept.</translation>
    </message>
    <message>
        <source>Обмен с ЭБУ прерван. Прежний результат сохранён.</source>
        <translation>Exchange with the ECU cancelled. The previous result is kept.</translation>
    </message>
    <message>
        <source>Связь с адаптером потеряна: проверьте кабель и порт. Прежний результат сохранён.</source>
        <translation>Link with the adapter lost: check the cable and the port. The previous result is kept.</translation>
    </message>
    <message>
        <source>Самотест: прошло %1 с, осталось %2 с</source>
        <translation>Self-test: %1 s passed, %2 s left</translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Самотест двигателя</source>
        <translation>Engine self-test</translation>
    </message>
    <message>
        <source>К какому тесту готов автомобиль?</source>
        <translation>Which test is the vehicle ready for?</translation>
    </message>
    <message>
        <source>KOEO: ключ включён, двигатель не работает</source>
        <translation>KOEO: key on, engine off</translation>
    </message>
    <message>
        <source>KOER: двигатель работает</source>
        <translation>KOER: engine running</translation>
    </message>
    <message>
        <source>Перед тестом:</source>
        <translation>Before the test:</translation>
    </message>
    <message>
        <source>Во время теста:</source>
        <translation>During the test:</translation>
    </message>
    <message>
        <source>Какой тест выполнить, ЭБУ решает сам: при работающем двигателе он проводит KOER, при заглушённом — KOEO.</source>
        <translation>The ECU decides which test to run: with the engine running it runs KOER, with the engine off KOEO.</translation>
    </message>
    <message>
        <source>Начать тест</source>
        <translation>Start test</translation>
    </message>
    <message>
        <source>Двигатель прогрет до рабочей температуры.</source>
        <translation>The engine is warmed up to operating temperature.</translation>
    </message>
    <message>
        <source>Рычаг КПП в положении P (автомат) или N (механика), стояночный тормоз затянут.</source>
        <translation>Gear selector in P (automatic) or N (manual), parking brake applied.</translation>
    </message>
    <message>
        <source>Фары, обогрев, вентилятор, магнитола и другие потребители выключены.</source>
        <translation>Headlights, heater, blower, radio and other loads are off.</translation>
    </message>
    <message>
        <source>Кондиционер выключен.</source>
        <translation>A/C is off.</translation>
    </message>
    <message>
        <source>Ключ зажигания в положении ON, двигатель не запущен.</source>
        <translation>Ignition key ON, engine not started.</translation>
    </message>
    <message>
        <source>Двигатель работает на холостом ходу. Перед тестом дайте ему 2 минуты поработать на 2000 об/мин, чтобы прогрелся датчик кислорода.</source>
        <translation>The engine idles. Before the test run it at 2000 rpm for 2 minutes to warm up the oxygen sensor.</translation>
    </message>
    <message>
        <source>Не запускайте двигатель и не трогайте педали до конца теста.</source>
        <translation>Do not start the engine or touch the pedals until the test ends.</translation>
    </message>
    <message>
        <source>Сразу после начала теста нажмите и отпустите педаль тормоза.</source>
        <translation>Right after the test starts, press and release the brake pedal.</translation>
    </message>
    <message>
        <source>Затем поверните руль на пол-оборота и отпустите (датчик давления гидроусилителя).</source>
        <translation>Then turn the steering wheel half a turn and release it (power steering pressure switch).</translation>
    </message>
    <message>
        <source>Если есть кнопка отмены овердрайва (O/D OFF), нажмите её и отпустите.</source>
        <translation>If there is an overdrive cancel button (O/D OFF), press and release it.</translation>
    </message>
    <message>
        <source>Когда ЭБУ попросит (код динамической проверки 10), коротко нажмите педаль газа до упора и отпустите. В другое время газ не трогайте.</source>
        <translation>When the ECU asks for it (dynamic response code 10), briefly press the accelerator to the floor and release it. Leave the throttle alone at any other time.</translation>
    </message>
    <message>
        <source>Идёт самотест %1</source>
        <translation>%1 self-test running</translation>
    </message>
    <message>
        <source>Неисправностей не найдено</source>
        <translation>No faults found</translation>
    </message>
    <message>
        <source>Найден %1 код</source>
        <translation>Found %1 code</translation>
    </message>
    <message>
        <source>Найдено %1 кода</source>
        <translation>Found %1 codes</translation>
    </message>
    <message>
        <source>Найдено %1 кодов</source>
        <translation>Found %1 codes</translation>
    </message>
    <message>
        <source>ЭБУ не ответил</source>
        <translation>The ECU did not answer</translation>
    </message>
    <message>
        <source>ЭБУ завершил тест без списка кодов</source>
        <translation>The ECU ended the test without a code list</translation>
    </message>
    <message>
        <source>Самотест прерван</source>
        <translation>Self-test cancelled</translation>
    </message>
    <message>
        <source>Связь с адаптером потеряна</source>
        <translation>Link with the adapter lost</translation>
    </message>
    <message>
        <source>Стереть коды неисправностей из памяти ЭБУ?</source>
        <translation>Clear the fault codes from the ECU memory?</translation>
    </message>
    <message>
        <source>Коды на странице не сохранены в отчёт и не скопированы: после стирания их не прочитать снова.
Всё равно стереть коды неисправностей из памяти ЭБУ?</source>
        <translation>The codes on the page are not saved in a report or copied: once cleared, they cannot be read again.
Clear the fault codes from the ECU memory anyway?</translation>
    </message>
    <message>
        <source>Нечего сохранять: сначала прочитайте коды.</source>
        <translation>Nothing to save: read the codes first.</translation>
    </message>
    <message>
        <source>Нечего копировать: сначала прочитайте коды.</source>
        <translation>Nothing to copy: read the codes first.</translation>
    </message>
    <message>
        <source>Коды прочитаны без выбранного автомобиля, отчёт некуда сохранить: выберите или добавьте автомобиль и прочитайте коды снова.</source>
        <translation>The codes were read with no vehicle selected, so there is nowhere to save the report: select or add a vehicle and read the codes again.</translation>
    </message>
    <message>
        <source>Отчёт сохранён: %1</source>
        <translation>Report saved: %1</translation>
    </message>
    <message>
        <source>Результат скопирован в буфер обмена.</source>
        <translation>Result copied to the clipboard.</translation>
    </message>
    <message>
        <source>Не удалось открыть %1: в системе нет программы для этого файла.</source>
        <translation>Could not open %1: the system has no program for this file.</translation>
    </message>
    <message>
        <source>Не удалось создать папку отчёта %1.</source>
        <translation>Could not create the report folder %1.</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Напечатать отчёт по результатам чтения ошибок</source>
        <translation>Print a report of the fault code read</translation>
    </message>
    <message>
        <source>Сохранить PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Сохранить отчёт в PDF-файле</source>
        <translation>Save the report as a PDF file</translation>
    </message>
    <message>
        <source>Сохранить отчёт в PDF</source>
        <translation>Save report as PDF</translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf);;Все файлы (*)</source>
        <translation>PDF documents (*.pdf);;All files (*)</translation>
    </message>
    <message>
        <source>Нечего печатать: сначала прочитайте коды.</source>
        <translation>Nothing to print: read the codes first.</translation>
    </message>
    <message>
        <source>Отчёт сохранён в PDF: %1</source>
        <translation>Report saved as PDF: %1</translation>
    </message>
    <message>
        <source>Отчёт отправлен на печать: %1</source>
        <translation>Report sent to the printer: %1</translation>
    </message>
    <message>
        <source>Отчёт не сохранён: %1</source>
        <translation>Report not saved: %1</translation>
    </message>
    <message>
        <source>Отчёт не напечатан: принтер %1 не принял задание. Проверьте принтер и повторите.</source>
        <translation>Report not printed: printer %1 did not accept the job. Check the printer and try again.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>самотест: %1</source>
        <translation>self-test: %1</translation>
    </message>
    <message>
        <source>кодов нет</source>
        <translation>no codes</translation>
    </message>
    <message>
        <source>Более ранних посещений нет</source>
        <translation>No earlier visits</translation>
    </message>
    <message>
        <source>Не удалось записать историю посещений: %1</source>
        <translation>Could not write the visit history: %1</translation>
    </message>
    <message>
        <source>Код:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Комментарий:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>Дата отчёта:</source>
        <translation>Report date:</translation>
    </message>
    <message>
        <source>Год:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Название: %s<byte value="xd"/>
Дата отчёта: %s<byte value="xd"/>
Гос.номер: %s<byte value="xd"/>
Модель: %s<byte value="xd"/>
Год выпуска: %s<byte value="xd"/>
VIN: %s<byte value="xd"/>
Примечания: %s <byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Name: %s<byte value="xd"/>
Report date: %s<byte value="xd"/>
License plate: %s<byte value="xd"/>
Model: %s<byte value="xd"/>
Model year: %s<byte value="xd"/>
VIN: %s<byte value="xd"/>
Notes: %s <byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>В шаблоне отчёта %1 нет блока %BEGIN% … %END%: отчёт не сохранён.</source>
        <translation>The report template %1 has no %BEGIN% … %END% block: report not saved.</translation>
    </message>
    <message>
        <source> Мастерская (для отчётов) </source>
        <translation> Workshop (for reports) </translation>
    </message>
    <message>
        <source>Адрес, телефон:</source>
        <translation>Address, phone:</translation>
    </message>
    <message>
        <source>Печатается в заголовке каждого отчёта</source>
        <translation>Printed in the heading of every report</translation>
    </message>
    <message>
        <source> Настройки порта обмена </source>
        <translation> Port settings </translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Скорость обмена:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Если не знаете какую ставить - ставьте 38400 бит/с</source>
        <translation>If you don&apos;t know which to choose, choose 38400 bit/s</translation>
    </message>
    <message>
        <source>Подключать при запуске</source>
        <translation>Connect at start-up</translation>
    </message>
    <message>
        <source>Доп. задержки для Bluetooth</source>
        <translation>Extra delays for Bluetooth</translation>
    </message>
    <message>
        <source>Используйте для корректной работы через адаптер Bluetooth</source>
        <translation>Use for reliable work through a Bluetooth adapter</translation>
    </message>
    <message>
        <source> Интерфейс </source>
        <translation> Interface </translation>
    </message>
    <message>
        <source>Описание ошибок:</source>
        <translation>Fault descriptions:</translation>
    </message>
    <message>
        <source>по-русски</source>
        <translation>in Russian</translation>
    </message>
    <message>
        <source>по-английски</source>
        <translation>in English</translation>
    </message>
    <message>
        <source>Контраст таблиц:</source>
        <translation>Table contrast:</translation>
    </message>
    <message>
        <source> Опции модуля </source>
        <translation> Module options </translation>
    </message>
    <message>
        <source>У большинства модулей - 9600</source>
        <translation>Most modules use 9600</translation>
    </message>
    <message>
        <source>Тут всегда ставьте BIN!</source>
        <translation>Always set BIN here!</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Прочитать опции модуля</source>
        <translation>Read the module options</translation>
    </message>
    <message>
        <source>Записать настройки в памяти модуля</source>
        <translation>Write the settings to the module&apos;s memory</translation>
    </message>
    <message>
        <source>Перезапустить модуль после сохранения настроек?</source>
        <translation>Restart the module after saving the settings?</translation>
    </message>
    <message>
        <source> Обновление прошивки модуля </source>
        <translation> Module firmware update </translation>
    </message>
    <message>
        <source>Обновить прошивку</source>
        <translation>Update firmware</translation>
    </message>
    <message>
        <source>Прошивка находится в файле с расширением .bin</source>
        <translation>The firmware is a file with the .bin extension</translation>
    </message>
    <message>
        <source>Укажите файл прошивки</source>
        <translation>Choose the firmware file</translation>
    </message>
    <message>
        <source>Файлы прошивки (*.bin);;Все файлы (*)</source>
        <translation>Firmware files (*.bin);;All files (*)</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>Старт чтения</source>
        <translation>Start reading</translation>
    </message>
    <message>
        <source>Стоп чтения</source>
        <translation>Stop reading</translation>
    </message>
    <message>
        <source>Обновлять</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Частота обновления параметров</source>
        <translation>Parameter update rate</translation>
    </message>
    <message>
        <source>Макс. глубина буфера приёма данных</source>
        <translation>Max. depth of the data receive buffer</translation>
    </message>
    <message>
        <source>Ошибки в профилях отображения:</source>
        <translation>Errors in the display profiles:</translation>
    </message>
    <message>
        <source>Диагностика EEC-IV</source>
        <translation>EEC-IV diagnostics</translation>
    </message>
    <message>
        <source>Руководство пользователя</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>Нажмите, чтобы открыть руководство пользователя</source>
        <translation>Click to open the user guide</translation>
    </message>
    <message>
        <source>veskor-reader: нет дисплея (не задан DISPLAY или WAYLAND_DISPLAY). Запустите окно под виртуальным дисплеем: xvfb-run %1 --simulator, или работайте без окна через veskor-cli (veskor-cli --help).</source>
        <translation>veskor-reader: no display (neither DISPLAY nor WAYLAND_DISPLAY is set). Run the window under a virtual display: xvfb-run %1 --simulator, or work without a window through veskor-cli (veskor-cli --help).</translation>
    </message>
    <message>
        <source>shown after %1 ms</source>
        <translation>shown after %1 ms</translation>
    </message>
    <message>
        <source>Снимки страниц сохранены в %1</source>
        <translation>Page pictures saved in %1</translation>
    </message>
    <message>
        <source>Восстанавливать связь при обрыве</source>
        <translation>Restore the link when it drops</translation>
    </message>
    <message>
        <source>Если адаптер пропал во время приёма данных, подключаться снова и продолжать приём</source>
        <translation>If the adapter drops out while receiving data, connect again and resume reception</translation>
    </message>
    <message>
        <source>Связь с адаптером потеряна, повтор через %s с</source>
        <translation>Link with the adapter lost, retrying in %s s</translation>
    </message>
    <message>
        <source>Связь с адаптером потеряна, подключение (попытка %s)...</source>
        <translation>Link with the adapter lost, connecting (attempt %s)...</translation>
    </message>
    <message>
        <source>Связь восстановлена, приём данных продолжен</source>
        <translation>Link restored, data reception resumed</translation>
    </message>
    <message>
        <source>Другой автомобиль (калибровка %s вместо %s): приём данных не возобновлён</source>
        <translation>Another vehicle (calibration %s instead of %s): data reception not resumed</translation>
    </message>
    <message>
        <source>Поток данных прервался: нет данных от адаптера. Проверьте кабель адаптера и включено ли зажигание</source>
        <translation>The data stream broke off: no data from the adapter. Check the adapter cable and whether the ignition is on</translation>
    </message>
    <message>
        <source>Считать RAM+ROM...</source>
        <translation>Read RAM+ROM...</translation>
    </message>
    <message>
        <source>Считать в файл содержимое оперативной и постоянной памяти целиком (65536 байт)</source>
        <translation>Read the whole RAM and ROM contents to a file (65536 bytes)</translation>
    </message>
    <message>
        <source>Считать RAM...</source>
        <translation>Read RAM...</translation>
    </message>
    <message>
        <source>Считать содержимое оперативной памяти (8192 байт)</source>
        <translation>Read the RAM contents (8192 bytes)</translation>
    </message>
    <message>
        <source>Прочитать из файла...</source>
        <translation>Load from file...</translation>
    </message>
    <message>
        <source>Таблицы адаптации</source>
        <translation>Adaptive tables</translation>
    </message>
    <message>
        <source>Карта впрыска топлива</source>
        <translation>Fuel injection map</translation>
    </message>
    <message>
        <source>Карта опережения зажигания</source>
        <translation>Spark advance map</translation>
    </message>
    <message>
        <source>Карта обогащения смеси</source>
        <translation>Mixture enrichment map</translation>
    </message>
    <message>
        <source>В процессе... ;-)</source>
        <translation>Work in progress... ;-)</translation>
    </message>
    <message>
        <source>Нагрузка, %</source>
        <translation>Load, %</translation>
    </message>
    <message>
        <source>Обороты двигателя, об/мин</source>
        <translation>Engine speed, rpm</translation>
    </message>
    <message>
        <source>Холостой ход:</source>
        <translation>Idle:</translation>
    </message>
    <message>
        <source>В движении</source>
        <translation>In drive</translation>
    </message>
    <message>
        <source>В движении + кондиционер</source>
        <translation>In drive + A/C</translation>
    </message>
    <message>
        <source>На нейтрали</source>
        <translation>In neutral</translation>
    </message>
    <message>
        <source>На нейтрали + кондиционер</source>
        <translation>In neutral + A/C</translation>
    </message>
    <message>
        <source>Назначение неизвестно (байт 84)</source>
        <translation>Purpose unknown (byte 84)</translation>
    </message>
    <message>
        <source>Назначение неизвестно (байт 85)</source>
        <translation>Purpose unknown (byte 85)</translation>
    </message>
    <message>
        <source>Контрольная сумма:</source>
        <translation>Checksum:</translation>
    </message>
    <message>
        <source>Зеленая - совпадает с сохранённой в памяти, красная - не совпадает</source>
        <translation>Green: matches the one stored in memory; red: does not match</translation>
    </message>
    <message>
        <source>Прочитать из EEC-IV</source>
        <translation>Read from EEC-IV</translation>
    </message>
    <message>
        <source>Тестовая вкладка для попыток расшифровать всякие таблицы</source>
        <translation>Test tab for attempts to decode various tables</translation>
    </message>
    <message>
        <source>Базовый адрес (HEX):</source>
        <translation>Base address (HEX):</translation>
    </message>
    <message>
        <source>Разведанные адреса для Escort: C112, C200, C304, C69D, C73E</source>
        <translation>Known addresses for Escort: C112, C200, C304, C69D, C73E</translation>
    </message>
    <message>
        <source>Укажите файл образа памяти EEC-IV для сохранения</source>
        <translation>Choose the EEC-IV memory dump file to save</translation>
    </message>
    <message>
        <source>Укажите файл образа памяти EEC-IV</source>
        <translation>Choose the EEC-IV memory dump file</translation>
    </message>
    <message>
        <source>Файлы образов памяти (*.bin);;Все файлы (*)</source>
        <translation>Memory dump files (*.bin);;All files (*)</translation>
    </message>
    <message>
        <source>По размеру</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>%1 мс</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Вписать панель в страницу с сохранением пропорций; выключено — масштаб 1:1</source>
        <translation>Fit the dashboard into the page keeping its proportions; off: scale 1:1</translation>
    </message>
    <message>
        <source>Таблицы адаптации: %1; адреса приняты равными 0.</source>
        <translation>Adaptive tables: %1; addresses taken as 0.</translation>
    </message>
    <message>
        <source>Тестовый сигнал адаптера (PID 255)</source>
        <translation>Adapter test signal (PID 255)</translation>
    </message>
    <message>
        <source>Включить или выключить тестовый сигнал (PID 255)</source>
        <translation>Turn the test signal (PID 255) on or off</translation>
    </message>
    <message>
        <source>Записать историю PID 255 в dumpdata.txt</source>
        <translation>Write PID 255 history to dumpdata.txt</translation>
    </message>
    <message>
        <source>Записать историю PID 255 в файл dumpdata.txt в папке программы</source>
        <translation>Write the PID 255 history to the file dumpdata.txt in the program folder</translation>
    </message>
    <message>
        <source>Профиль не выбран: выберите профиль отображения в списке «Профиль:».</source>
        <translation>No profile chosen: choose a display profile in the &quot;Profile:&quot; list.</translation>
    </message>
    <message>
        <source>Файл профиля %1 не найден</source>
        <translation>Profile file %1 not found</translation>
    </message>
    <message>
        <source>Не удалось записать результаты замеров в %1: %2</source>
        <translation>Could not write the measurement results to %1: %2</translation>
    </message>
    <message>
        <source>Δt, с</source>
        <translation>Δt, s</translation>
    </message>
    <message>
        <source>пауза</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>Тестовый сигнал окна на графике (PID 255)</source>
        <translation>Window test signal on the chart (PID 255)</translation>
    </message>
    <message>
        <source>Показать всю историю</source>
        <translation>Show the whole history</translation>
    </message>
    <message>
        <source>Тестовый сигнал окна (PID 255) вкл/выкл; график следует за новыми данными</source>
        <translation>Window test signal (PID 255) on/off; the chart follows new data</translation>
    </message>
    <message>
        <source>Вся записанная история в одном окне</source>
        <translation>All recorded history in one window</translation>
    </message>
    <message>
        <source>Назад на целое окно</source>
        <translation>Back a whole window</translation>
    </message>
    <message>
        <source>Назад на пол-окна</source>
        <translation>Back half a window</translation>
    </message>
    <message>
        <source>Вперёд на пол-окна</source>
        <translation>Forward half a window</translation>
    </message>
    <message>
        <source>К новым данным: график следует за ними</source>
        <translation>To new data: the chart follows it</translation>
    </message>
    <message>
        <source>Колесо — масштаб времени, перетаскивание — сдвиг, щелчок — курсор A, правый щелчок — курсор B, Esc — убрать курсоры, двойной щелчок — к новым данным</source>
        <translation>Wheel: time scale, drag: pan, click: cursor A, right click: cursor B, Esc: remove cursors, double click: to new data</translation>
    </message>
    <message>
        <source>Обороты</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Темп. ОЖ</source>
        <translation>Coolant</translation>
    </message>
    <message>
        <source>Дроссель</source>
        <translation>Throttle</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Файл %1 содержит %2 байт из %3: образ памяти заполнен только до его конца.</source>
        <translation>File %1 holds %2 bytes of %3: the memory image is filled only up to its end.</translation>
    </message>
    <message>
        <source>Файл %1 содержит %2 байт: в образ памяти взяты первые %3.</source>
        <translation>File %1 holds %2 bytes: the first %3 are taken into the memory image.</translation>
    </message>
    <message>
        <source>Образ памяти загружен из файла %1.</source>
        <translation>Memory image loaded from file %1.</translation>
    </message>
    <message>
        <source>Идёт чтение памяти: файл не загружен. Дождитесь конца чтения или нажмите «Стоп чтения».</source>
        <translation>A memory read is in progress: file not loaded. Wait for the read to end or press &quot;Stop reading&quot;.</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1: %2</source>
        <translation>Could not read file %1: %2</translation>
    </message>
    <message>
        <source>Прервать идущее чтение памяти</source>
        <translation>Stop the memory read in progress</translation>
    </message>
    <message>
        <source>Сравнение визитов</source>
        <translation>Visit comparison</translation>
    </message>
    <message>
        <source>Снимки памяти автомобиля (выберите два):</source>
        <translation>Memory dumps of the vehicle (choose two):</translation>
    </message>
    <message>
        <source>Обновить список</source>
        <translation>Refresh list</translation>
    </message>
    <message>
        <source>Выберите в списке два снимка памяти, чтобы сравнить их таблицы адаптации.</source>
        <translation>Choose two memory dumps in the list to compare their adaptive tables.</translation>
    </message>
    <message>
        <source>Изменилось значений: %1 из %2 (красный - выросло, зелёный - уменьшилось)</source>
        <translation>Values changed: %1 of %2 (red: increased, green: decreased)</translation>
    </message>
    <message>
        <source>Не удалось записать сеанс в %1: %2</source>
        <translation>Could not write the session to %1: %2</translation>
    </message>
    <message>
        <source>Не удалось прочитать запись %1: %2</source>
        <translation>Could not read recording %1: %2</translation>
    </message>
    <message>
        <source>Файл %1 не является записью сеанса</source>
        <translation>File %1 is not a session recording</translation>
    </message>
    <message>
        <source>Запись %1 сделана более новой версией программы и не может быть прочитана</source>
        <translation>Recording %1 was made by a newer version of the program and cannot be read</translation>
    </message>
    <message>
        <source>Заголовок записи %1 повреждён</source>
        <translation>The header of recording %1 is damaged</translation>
    </message>
    <message>
        <source>Запись %1 повреждена или оборвана: %2 байт не прочитано, прочитано %3 с</source>
        <translation>Recording %1 is damaged or cut off: %2 bytes not read, %3 s read</translation>
    </message>
    <message>
        <source>не удалось создать папку</source>
        <translation>could not create the folder</translation>
    </message>
    <message>
        <source>Записывать сеансы</source>
        <translation>Record sessions</translation>
    </message>
    <message>
        <source>Каждый сеанс чтения данных записывается в папку Recordings текущего автомобиля</source>
        <translation>Every data session is recorded in the Recordings folder of the current vehicle</translation>
    </message>
    <message>
        <source>Записи сеансов...</source>
        <translation>Session recordings...</translation>
    </message>
    <message>
        <source>Записи сеансов: %1</source>
        <translation>Session recordings: %1</translation>
    </message>
    <message>
        <source>без автомобиля</source>
        <translation>no vehicle</translation>
    </message>
    <message>
        <source>%1 (%2 МБ)</source>
        <translation>%1 (%2 MB)</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить выбранные записи (%1)?</source>
        <translation>Delete the selected recordings (%1)?</translation>
    </message>
    <message>
        <source>Не удалось удалить %1</source>
        <translation>Could not delete %1</translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: порт не открылся!</source>
        <translation>Firmware update failed: the port did not open!</translation>
    </message>
    <message>
        <source>Открыть запись...</source>
        <translation>Open recording...</translation>
    </message>
    <message>
        <source>Воспроизвести записанный сеанс данных на панели, в матрице и в трендах</source>
        <translation>Play back a recorded data session on the dashboard, in the matrix and in the trends</translation>
    </message>
    <message>
        <source>Записи...</source>
        <translation>Recordings...</translation>
    </message>
    <message>
        <source>Открыть запись сеанса данных выбранного автомобиля</source>
        <translation>Open a data session recording of the selected vehicle</translation>
    </message>
    <message>
        <source>Укажите запись сеанса данных</source>
        <translation>Choose a data session recording</translation>
    </message>
    <message>
        <source>Записи сеансов данных (%1);;Все файлы (*)</source>
        <translation>Data session recordings (%1);;All files (*)</translation>
    </message>
    <message>
        <source>Идёт приём данных от модуля. Остановить его и открыть запись?</source>
        <translation>Data is being received from the module. Stop it and open the recording?</translation>
    </message>
    <message>
        <source>Модуль занят (коды неисправностей, чтение памяти или обновление прошивки). Дождитесь окончания и откройте запись снова.</source>
        <translation>The module is busy (fault codes, memory read or firmware update). Wait until it finishes and open the recording again.</translation>
    </message>
    <message>
        <source>Не удалось открыть запись %1: %2</source>
        <translation>Could not open recording %1: %2</translation>
    </message>
    <message>
        <source>Идёт воспроизведение записи: команда модулю не отправлена.</source>
        <translation>A recording is playing: the command was not sent to the module.</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Воспроизвести или приостановить запись</source>
        <translation>Play or pause the recording</translation>
    </message>
    <message>
        <source>Скорость:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Перейти к любому моменту записи</source>
        <translation>Go to any moment of the recording</translation>
    </message>
    <message>
        <source>Тревоги: %1 ▶</source>
        <translation>Alarms: %1 ▶</translation>
    </message>
    <message>
        <source>Перейти к следующему выходу значения за предел: за 5 с до него</source>
        <translation>Go to the next time a value crosses its limit: 5 s before it</translation>
    </message>
    <message>
        <source>Закрыть запись</source>
        <translation>Close recording</translation>
    </message>
    <message>
        <source>Закрыть запись и вернуться к данным модуля</source>
        <translation>Close the recording and return to the module&apos;s data</translation>
    </message>
    <message>
        <source>Запись: %1</source>
        <translation>Recording: %1</translation>
    </message>
    <message>
        <source>Язык программы:</source>
        <translation>Program language:</translation>
    </message>
    <message>
        <source>как в системе</source>
        <translation>as in the system</translation>
    </message>
    <message>
        <source>русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>английский</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Язык сменится при следующем запуске программы.</source>
        <translation>The language changes at the next start of the program.</translation>
    </message>
    <message>
        <source>Использование: veskor-reader [--home ПАПКА] [--lang ru|en] [--simulator] [--screenshots ПАПКА]
       [--live [--profile ФАЙЛ]] [--measure ФАЙЛ] [--quit-when-shown] [--debug]
  --home ПАПКА        папка программы (reader.ini, autos.ini, Profiles, Reports)
  --lang ru|en        язык окна на этот запуск (иначе из настроек или системы)
  --simulator         подключиться к встроенному симулятору (порт «sim»)
  --screenshots ПАПКА подключиться, прочитать коды, сохранить снимки страниц и выйти
  --live              открыть страницу «Данные» и начать чтение после подключения
  --profile ФАЙЛ      профиль отображения для --live (иначе сохранённый)
  --measure ФАЙЛ      при выходе записать замеры потока: задержку, ЦП, память
  --quit-when-shown   выйти, как только окно показано, и напечатать время запуска
  --debug             показать меню «Отладка» (тестовые сигналы, история PID 255)</source>
        <translation>Usage: veskor-reader [--home DIR] [--lang ru|en] [--simulator] [--screenshots DIR]
       [--live [--profile FILE]] [--measure FILE] [--quit-when-shown] [--debug]
  --home DIR          program folder (reader.ini, autos.ini, Profiles, Reports)
  --lang ru|en        language of the window for this run (else the settings&apos; or the system&apos;s)
  --simulator         connect to the built-in simulator (port &quot;sim&quot;)
  --screenshots DIR   connect, read the codes, save pictures of the pages and quit
  --live              open the &quot;Live data&quot; page and start reading after connecting
  --profile FILE      display profile for --live (otherwise the saved one)
  --measure FILE      on exit write the stream measurements: latency, CPU, memory
  --quit-when-shown   quit as soon as the window is shown and print the start-up time
  --debug             show the &quot;Debug&quot; menu (test signals, PID 255 history)</translation>
    </message>
    <message>
        <source>%1 (образец)</source>
        <translation>%1 (sample)</translation>
    </message>
    <message>
        <source>%1 л</source>
        <translation>%1 L</translation>
    </message>
    <message>
        <source>память</source>
        <translation>memory</translation>
    </message>
    <message>
        <source>км/ч</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>миль/ч</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>кПа</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>дюйм рт. ст.</source>
        <translation>inHg</translation>
    </message>
    <message>
        <source> Единицы измерения </source>
        <translation> Units </translation>
    </message>
    <message>
        <source>Система:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>метрическая</source>
        <translation>metric</translation>
    </message>
    <message>
        <source>имперская</source>
        <translation>imperial</translation>
    </message>
    <message>
        <source>Температура:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Давление:</source>
        <translation>Pressure:</translation>
    </message>
    <message>
        <source>Новые единицы — со следующего запуска программы</source>
        <translation>New units take effect at the next start of the program</translation>
    </message>
    <message>
        <source>по системе единиц</source>
        <translation>by the system above</translation>
    </message>
    <message>
        <source>VeskorReader %1 (Ford EEC-IV)</source>
        <translation>VeskorReader %1 (Ford EEC-IV)</translation>
    </message>
    <message>
        <source>VeskorReader %1 — диагностика автомобилей Ford с блоком управления EEC-IV через диагностический модуль на последовательном порту.</source>
        <translation>VeskorReader %1 — diagnostics of Ford vehicles with the EEC-IV engine control unit through a diagnostic module on a serial port.</translation>
    </message>
    <message>
        <source>Не удалось перенести настройки в папку настроек: %1</source>
        <translation>Could not move the settings to the settings folder: %1</translation>
    </message>
    <message>
        <source>Папка документов:</source>
        <translation>Documents folder:</translation>
    </message>
    <message>
        <source>Сюда сохраняются отчёты (Reports), записи сеансов (Recordings) и дампы (Dumps)</source>
        <translation>Reports (Reports), session recordings (Recordings) and dumps (Dumps) are saved here</translation>
    </message>
    <message>
        <source>Выбрать...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Папка для отчётов, записей и дампов</source>
        <translation>Folder for reports, recordings and dumps</translation>
    </message>
    <message>
        <source>Не удалось перенести папку в папку документов: %1</source>
        <translation>Could not move the folder to the documents folder: %1</translation>
    </message>
</context>
</TS>
