<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>Понятно</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>с</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Системная ошибка</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Автоопределение</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Проверьте подключение к сети</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Настройки мыши</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Умные настройки</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Персонализация</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Предпочтения</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Настройки указки</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Открыть главное окно</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Начало работы</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Разрешения</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>Устройство не найдено</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Вставьте приёмник в USB-порт компьютера или подключите мышь по Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>После подключения устройства настройки откроются автоматически</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Низкий заряд, зарядите устройство</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Не удалось применить</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>От этих пунктов зависит, какие функции будут работать</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Доступ к устройству</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Чтение и запись HID-узлов приёмника: подключение устройства, приём нажатий и голоса</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Установите правило udev из комплекта программы и снова вставьте приёмник:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Специальные возможности</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>Шина специальных возможностей (AT-SPI) для ввода распознанного текста прямо в поля</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Установите at-spi2-core, включите специальные возможности в настройках системы и войдите заново</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>Сеанс X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Глобальным сочетаниям клавиш, эмуляции нажатий, отслеживанию ввода и снимкам экрана нужен сеанс X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Выберите сеанс X11 (Xorg) на экране входа</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Ограничено</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>В сеансе Wayland эмуляция нажатий, глобальные сочетания клавиш, отслеживание ввода и снимки экрана работают только с окнами XWayland, но не с собственными окнами Wayland; для всех функций выберите сеанс X11 (Xorg) на экране входа</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Разрешено</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>Не разрешено</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>Приёмник не найден</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Проверить снова</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Дополнительные настройки</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>Некоторые настройки не удалось прочитать, они сброшены к значениям по умолчанию</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>Исходный файл настроек сохранён как: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Не удалось записать звук, проверьте микрофон</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Слишком быстрое нажатие</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Говорите...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>Речь не услышана. Нажмите голосовую клавишу и повторите</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Включён режим ввода текста</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Включён режим перевода</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>Не удалось подключиться к серверу, проверьте сеть</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>Не удалось прочитать аудиофайл</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>Не удаётся воспроизвести аудио ответа</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>Не удалось вставить</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>Не удалось перевести</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>Невозможно прочитать вслух: нет речевого движка или устройства вывода звука</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>Не удаётся воспроизвести аудио</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>Не удаётся открыть браузер</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>Выделенный текст не получен</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Не удалось скопировать</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Результат распознавания</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Перевод выделенного</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Перевод снимка экрана</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Сочетание для снимка экрана занято другой программой</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Не удалось сохранить</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Не удалось сделать снимок экрана</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>Не удаётся открыть окно ИИ</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Не удалось открыть</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>Загружено %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Экспорт завершён</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Ошибка загрузки, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Ошибка экспорта, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>Esc занята другой программой; смените режим, чтобы завершить рисование</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>Не удаётся прочитать экран</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Аппаратный лазер</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Цифровая точка</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Лупа</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Включён режим трансляции экрана</translation>
    </message>
</context>
</TS>
