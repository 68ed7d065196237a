<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Texts</name>
    <message>
        <source>Ошибка!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подтверждение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось скопировать файл программы в папку пользователя: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать файл %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>превышен допустимый размер файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет доступа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>папка не найдена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не найден</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>системная ошибка %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инициализация порта...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открытие порта...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка инициализации порта: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт открыт...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда приёма данных %s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инициализация карты PID (%s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начало приёма данных...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Останавливаем прием данных...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команда приёма данных с %.3x по %.3x...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инициализация карты смещений...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проверка данных...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка по смещению %.4x!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данные считаны без ошибок...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данные содержат ошибки! Повторите попытку считывания!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение данных...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка чтения/записи опций модуля!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс статуса/чтение кода калибровки...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка сброса статуса/чтения кода калибровки!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Получен ответ от загрузчика...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прошивка...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка во время программирования!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верификация...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верификация пройдена!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка верификации данных!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление прошивки успешно завершено!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать файл прошивки %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл прошивки %1 пуст: обновление не начато</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл прошивки %1 больше 64 КБ (%2 байт): такой прошивки у модуля не бывает, обновление не начато</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код устройства для загрузчика: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузчик не сообщил коды устройств, используется код %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: файл прошивки не загружен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: нет связи с загрузчиком!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: загрузчик не принял подготовку к записи!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: загрузчик отклонил блок!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: верификация не пройдена!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление прошивки не завершено: загрузчик не подтвердил выход!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость порта EEC-IV:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формат вывода данных:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Инициализация...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ждём перезапуска модуля...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить данные в файл %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка по смещению %.4x–%.4x!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чтение памяти прервано.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новые строки памяти не поступают %1 с, хотя модуль передаёт данные: чтение остановлено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка порта: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поток данных прервался, устройство недоступно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет доступа к порту %1: добавьте своего пользователя в группу %2 (sudo usermod -aG %2 $USER) и войдите в систему заново.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет доступа к порту %1: получите у администратора права на чтение и запись этого устройства и войдите в систему заново.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адаптер не найден на %1: подключите адаптер или выберите порт в настройках</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт %1 занят другой программой: закройте её или выберите другой порт в настройках</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — не последовательный порт: выберите порт адаптера в настройках</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с адаптером на %1 потеряна: проверьте кабель адаптера и подключитесь снова</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт %1 не работает: переподключите адаптер или выберите другой порт в настройках</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Подробности: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль не отвечает на %1 (%2 бит/с): проверьте скорость обмена в настройках, кабель адаптера и включено ли зажигание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭБУ не отвечает: включите зажигание и проверьте, что кабель адаптера надёжно подключён к диагностическому разъёму, затем нажмите «Подключить»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭБУ не прислал код калибровки: проверьте зажигание и разъём диагностики, затем нажмите «Подключить»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код калибровки ЭБУ: %1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Формат «%1» не подходит для одного числа: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет преобразования после «%»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тип «%1» не для числа с плавающей точкой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет числа для преобразования номер %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ширина или точность «*» требует второго числа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ширина больше %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LabelRatio равен 0: значение не показывается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>значение %1 не переводится в целое: цвет не меняется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max равен Min (%1): стрелки и красная зона не рисуются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TickCountBig равен 0: деления и числа не рисуются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>слишком много делений (%1 × %2): деления и числа не рисуются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TickLabelRatio равен 0: числа шкалы не рисуются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изображение %1 × %2 слишком велико: прибор не рисуется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrows: пустое значение не принимается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 = %2 вне допустимых пределов (%3 … %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid item definition: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не цвет: ожидается имя цвета или целое число</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не целое число в пределах 32 бит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет такого значения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в наборе нет элемента «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не число</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>число вне пределов типа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>свойство этого типа нельзя задать текстом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>свойство только для чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>значение не принято</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номер элемента должен быть от 0 до %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>больше %1 элементов в наборе не создаётся, такие определения дальше пропускаются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль %1: пропущено строк длиннее %3 символов: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль %1: больше %2 элементов не создаётся</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль %1: больше %2 определений не применяется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trends: пустое значение не принимается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>график %1 × %2 при SmoothFactor %3 слишком велик: не рисуется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль %1: найдено ошибок: %2. Список — в подробностях.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль %1 не может быть показан. Причина — в подробностях.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… и ещё ошибок: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не читается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это папка, а не файл профиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл больше %1 МБ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» — не цвет: ожидается имя цвета (clBlack) или число ($BBGGRR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл пуст: не создано ни одного элемента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл в UTF-16 (или не текст): не создано ни одного элемента; сохраните его как UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет раздела [Gauges]: не создано ни одного элемента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в разделе [Gauges] нет ни одного известного класса: не создано ни одного элемента</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>значение не в UTF-8 (похоже на Windows-1251) и взято пустым; сохраните файл как UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>изображения элемента заняли бы %1 МБ, а всем элементам панели отведено %2 МБ (занято %3 МБ): элемент не создан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>десятичный разделитель — точка: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>бит %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pids.txt, строка %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>меньше пяти полей через табуляцию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>номер PID не шестнадцатеричный 00…FF (бит: 0…15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет названия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PidName %1: не номер PID (0D) и не бит (1A.7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мин., макс., среднее с начала приёма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мин.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Среднее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ед.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мин./макс.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наименьшее, наибольшее и среднее значение каждого PID панели с начала приёма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение: %1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тревога: %1 = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кадр %1, позиция %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать таблицу PID %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не найден файл кодов ошибок codes.txt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка чтения файла кодов ошибок codes.txt: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код: %s<byte value="xd"/>
Режим: %s<byte value="xd"/>
Описание: %s<byte value="xd"/>
Комментарий: %s<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данные по установленному EEC-IV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модель:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Годы выпуска:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объем двигателя:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аппаратная ревизия:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стратегия:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код продукта:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код FINIS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код CATCH:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код калибровки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Иммобилайзер:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>да</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год выпуска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Номер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата диагностики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Примечания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавление/редактирование автомобиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Определено подключение автомобиля, отсутствующего в списке. Пожалуйста, заполните данные по автомобилю и сохраните в списке автомобилей.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Регистрационные данные </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Технические данные </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калибр.код:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Калибровочный код считывается из EEC-IV в момент подключения. Вручную вводить не нужно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Редактировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данные ЭБУ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год выпуска:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гос.номер:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Примечания:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не найден файл моделей models.txt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать список автомобилей %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось сохранить список автомобилей в %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл в кодировке UTF-16, а нужен 8-битный текст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>символ NUL в строке %1: дальше файл не читается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в файле нет ни одного раздела [...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список автомобилей %1 не был прочитан (%2): он оставлен как есть и не заменён пустым</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>он не загрузился при запуске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список автомобилей %1 не был прочитан: прежний файл сохранён как %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Список автомобилей %1 не был прочитан и не переименовывается в %2: новый список не записан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цикл символических ссылок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>символическая ссылка ведёт к несуществующему файлу %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В файле кодов ошибок codes.txt нет ни одного кода: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ни одна из %1 строк не номер кода с текстами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл кодов ошибок codes.txt прочитан не до конца: символ NUL в строке %1, не прочитано строк: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет описания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибки в файлах данных программы:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл профилей автомобилей %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удаётся прочитать (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ни одного профиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль автомобиля не выбран: адреса адаптивных таблиц равны 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль автомобиля № %1 вне списка профилей (их %2): адреса адаптивных таблиц равны 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использование: veskor-reader [--home ПАПКА] --render-profile ФАЙЛ.ini [--size ШxВ] [--set PID=ЗНАЧЕНИЕ]... -o ФАЙЛ.png
  Строит профиль отображения на панели без окна, передаёт значения PID и сохраняет панель в PNG.
  Ошибки определений выводятся в stderr; код возврата 1, если они были.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверный размер «%1»: нужно ШxВ, от 1 до 8192</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверное значение «%1»: нужно PID=ЧИСЛО, PID от 0 до 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестный или неполный параметр «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нужны --render-profile ФАЙЛ и -o ФАЙЛ.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся прочитать профиль %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся записать изображение %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VeskorReader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VeskorReader 0.99 (Ford EEC-IV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — симуляция, без автомобиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Симуляция</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выбранный автомобиль:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сброс и перезагрузка диагностического модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отключение от адаптера и освобождение COM-порта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тёмная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автомобили</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коды ошибок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Данные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тренды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Память</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Матрица</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Журнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панели</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать или скрыть матрицу и журнал справа</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отладка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Панель приборов во весь экран (F11); назад — Esc или F11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>цикл %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистить окно системного журнала</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключение...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не найдено профилей отображения данных!<byte value="xd"/>Проверьте наличие файлов в папке %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Страница «%1» появится в следующей версии.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Версия:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Режим:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>поиск.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>подключен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>недоступен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет связи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет связи с EEC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обмен с EEC-IV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нет связи с EEC-IV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Добавить автомобиль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Редактировать автомобиль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить автомобиль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить автомобиль из списка?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>---</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Список автомобилей не будет перезаписан, пока программа работает: исправьте или переименуйте файл и перезапустите программу.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Читать коды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Считать сохранённые коды ошибок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стереть коды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стереть сохранённые коды ошибок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запустить тест</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запустить тест KOEO/KOER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Копировать текст отчёта в буфер обмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить отчёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить в HTML-файле отчёт по результатам чтения ошибок/теста двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обработка команды...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранённых кодов неисправностей нет.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитано кодов неисправностей: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коды неисправностей стёрты из памяти ЭБУ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Самотест завершён: неисправностей не найдено.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Самотест завершён: найдено кодов: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭБУ не ответил. Проверьте, что ключ зажигания включён, а кабель адаптера надёжно подключён к диагностическому разъёму, и повторите. Прежний результат сохранён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Самотест не завершился за %1 с: ЭБУ не прислал результат. Проверьте ключ зажигания и кабель адаптера и повторите тест. Прежний результат сохранён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Самотест прерван. Прежний результат сохранён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обмен с ЭБУ прерван. Прежний результат сохранён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с адаптером потеряна: проверьте кабель и порт. Прежний результат сохранён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Самотест: прошло %1 с, осталось %2 с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Самотест двигателя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>К какому тесту готов автомобиль?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KOEO: ключ включён, двигатель не работает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KOER: двигатель работает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перед тестом:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Во время теста:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Какой тест выполнить, ЭБУ решает сам: при работающем двигателе он проводит KOER, при заглушённом — KOEO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать тест</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Двигатель прогрет до рабочей температуры.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рычаг КПП в положении P (автомат) или N (механика), стояночный тормоз затянут.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фары, обогрев, вентилятор, магнитола и другие потребители выключены.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кондиционер выключен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ключ зажигания в положении ON, двигатель не запущен.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Двигатель работает на холостом ходу. Перед тестом дайте ему 2 минуты поработать на 2000 об/мин, чтобы прогрелся датчик кислорода.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не запускайте двигатель и не трогайте педали до конца теста.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сразу после начала теста нажмите и отпустите педаль тормоза.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Затем поверните руль на пол-оборота и отпустите (датчик давления гидроусилителя).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если есть кнопка отмены овердрайва (O/D OFF), нажмите её и отпустите.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Когда ЭБУ попросит (код динамической проверки 10), коротко нажмите педаль газа до упора и отпустите. В другое время газ не трогайте.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идёт самотест %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неисправностей не найдено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найден %1 код</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найдено %1 кода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Найдено %1 кодов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭБУ не ответил</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ЭБУ завершил тест без списка кодов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Самотест прерван</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с адаптером потеряна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стереть коды неисправностей из памяти ЭБУ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коды на странице не сохранены в отчёт и не скопированы: после стирания их не прочитать снова.
Всё равно стереть коды неисправностей из памяти ЭБУ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нечего сохранять: сначала прочитайте коды.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нечего копировать: сначала прочитайте коды.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коды прочитаны без выбранного автомобиля, отчёт некуда сохранить: выберите или добавьте автомобиль и прочитайте коды снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт сохранён: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Результат скопирован в буфер обмена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть %1: в системе нет программы для этого файла.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось создать папку отчёта %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Напечатать отчёт по результатам чтения ошибок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить отчёт в PDF-файле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить отчёт в PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Документы PDF (*.pdf);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нечего печатать: сначала прочитайте коды.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт сохранён в PDF: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт отправлен на печать: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт не сохранён: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отчёт не напечатан: принтер %1 не принял задание. Проверьте принтер и повторите.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>самотест: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>кодов нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Более ранних посещений нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать историю посещений: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Код:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Описание:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Комментарий:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дата отчёта:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Год:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В шаблоне отчёта %1 нет блока %BEGIN% … %END%: отчёт не сохранён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Мастерская (для отчётов) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адрес, телефон:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Печатается в заголовке каждого отчёта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Настройки порта обмена </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость обмена:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если не знаете какую ставить - ставьте 38400 бит/с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подключать при запуске</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доп. задержки для Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Используйте для корректной работы через адаптер Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Интерфейс </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Описание ошибок:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>по-русски</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>по-английски</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контраст таблиц:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Опции модуля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У большинства модулей - 9600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тут всегда ставьте BIN!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитать опции модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать настройки в памяти модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перезапустить модуль после сохранения настроек?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Обновление прошивки модуля </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновить прошивку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прошивка находится в файле с расширением .bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите файл прошивки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файлы прошивки (*.bin);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Старт чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стоп чтения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновлять</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Частота обновления параметров</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Макс. глубина буфера приёма данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибки в профилях отображения:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Диагностика EEC-IV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Руководство пользователя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нажмите, чтобы открыть руководство пользователя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VeskorReader 0.99 — диагностика автомобилей Ford с блоком управления EEC-IV через диагностический модуль на последовательном порту.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>veskor-reader: нет дисплея (не задан DISPLAY или WAYLAND_DISPLAY). Запустите окно под виртуальным дисплеем: xvfb-run build/bin/veskor-reader --simulator, или работайте без окна через veskor-cli (veskor-cli --help).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использование: veskor-reader [--home ПАПКА] [--simulator] [--screenshots ПАПКА]
       [--live [--profile ФАЙЛ]] [--measure ФАЙЛ] [--quit-when-shown] [--debug]
  --home ПАПКА        папка программы (reader.ini, autos.ini, Profiles, Reports)
  --simulator         подключиться к встроенному симулятору (порт «sim»)
  --screenshots ПАПКА подключиться, прочитать коды, сохранить снимки страниц и выйти
  --live              открыть страницу «Данные» и начать чтение после подключения
  --profile ФАЙЛ      профиль отображения для --live (иначе сохранённый)
  --measure ФАЙЛ      при выходе записать замеры потока: задержку, ЦП, память
  --quit-when-shown   выйти, как только окно показано, и напечатать время запуска
  --debug             показать меню «Отладка» (тестовые сигналы, история PID 255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shown after %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Снимки страниц сохранены в %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстанавливать связь при обрыве</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если адаптер пропал во время приёма данных, подключаться снова и продолжать приём</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с адаптером потеряна, повтор через %s с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь с адаптером потеряна, подключение (попытка %s)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Связь восстановлена, приём данных продолжен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Другой автомобиль (калибровка %s вместо %s): приём данных не возобновлён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поток данных прервался: нет данных от адаптера. Проверьте кабель адаптера и включено ли зажигание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Считать RAM+ROM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Считать в файл содержимое оперативной и постоянной памяти целиком (65536 байт)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Считать RAM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Считать содержимое оперативной памяти (8192 байт)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитать из файла...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблицы адаптации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта впрыска топлива</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта опережения зажигания</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карта обогащения смеси</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В процессе... ;-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нагрузка, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обороты двигателя, об/мин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Холостой ход:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В движении</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В движении + кондиционер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На нейтрали</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На нейтрали + кондиционер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назначение неизвестно (байт 84)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назначение неизвестно (байт 85)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контрольная сумма:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Зеленая - совпадает с сохранённой в памяти, красная - не совпадает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитать из EEC-IV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестовая вкладка для попыток расшифровать всякие таблицы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Базовый адрес (HEX):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разведанные адреса для Escort: C112, C200, C304, C69D, C73E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите файл образа памяти EEC-IV для сохранения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите файл образа памяти EEC-IV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файлы образов памяти (*.bin);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>По размеру</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 мс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вписать панель в страницу с сохранением пропорций; выключено — масштаб 1:1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Таблицы адаптации: %1; адреса приняты равными 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестовый сигнал адаптера (PID 255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Включить или выключить тестовый сигнал (PID 255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать историю PID 255 в dumpdata.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записать историю PID 255 в файл dumpdata.txt в папке программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Профиль не выбран: выберите профиль отображения в списке «Профиль:».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл профиля %1 не найден</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать результаты замеров в %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δt, с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пауза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестовый сигнал окна на графике (PID 255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать всю историю</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тестовый сигнал окна (PID 255) вкл/выкл; график следует за новыми данными</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вся записанная история в одном окне</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назад на целое окно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назад на пол-окна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вперёд на пол-окна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>К новым данным: график следует за ними</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Колесо — масштаб времени, перетаскивание — сдвиг, щелчок — курсор A, правый щелчок — курсор B, Esc — убрать курсоры, двойной щелчок — к новым данным</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обороты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Темп. ОЖ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дроссель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тест</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 содержит %2 байт из %3: образ памяти заполнен только до его конца.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 содержит %2 байт: в образ памяти взяты первые %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Образ памяти загружен из файла %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идёт чтение памяти: файл не загружен. Дождитесь конца чтения или нажмите «Стоп чтения».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать файл %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прервать идущее чтение памяти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сравнение визитов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Снимки памяти автомобиля (выберите два):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновить список</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выберите в списке два снимка памяти, чтобы сравнить их таблицы адаптации.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Изменилось значений: %1 из %2 (красный - выросло, зелёный - уменьшилось)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать сеанс в %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось прочитать запись %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл %1 не является записью сеанса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись %1 сделана более новой версией программы и не может быть прочитана</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заголовок записи %1 повреждён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись %1 повреждена или оборвана: %2 байт не прочитано, прочитано %3 с</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удалось создать папку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записывать сеансы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Каждый сеанс чтения данных записывается в папку Recordings текущего автомобиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записи сеансов...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записи сеансов: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>без автомобиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 МБ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить выбранные записи (%1)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось удалить %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обновление прошивки не выполнено: порт не открылся!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть запись...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Воспроизвести записанный сеанс данных на панели, в матрице и в трендах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записи...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть запись сеанса данных выбранного автомобиля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите запись сеанса данных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записи сеансов данных (%1);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идёт приём данных от модуля. Остановить его и открыть запись?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модуль занят (коды неисправностей, чтение памяти или обновление прошивки). Дождитесь окончания и откройте запись снова.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось открыть запись %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идёт воспроизведение записи: команда модулю не отправлена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Воспроизвести или приостановить запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти к любому моменту записи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тревоги: %1 ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти к следующему выходу значения за предел: за 5 с до него</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть запись и вернуться к данным модуля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись: %1</source>
        <translation type="unfinished"></translation>
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
        <source>как в системе</source>
        <translation>as the system</translation>
    </message>
    <message>
        <source>Новые единицы — со следующего запуска программы</source>
        <translation>New units take effect at the next start of the program</translation>
    </message>
</context>
</TS>
