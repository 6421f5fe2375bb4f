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
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Клавиша Esc занята другой программой; щёлкните по эффекту, затем нажмите Esc для выхода</translation>
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
    <message>
        <source>倒计时和警告</source>
        <translation>Обратный отсчёт и предупреждение</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 минут</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 минут</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 минут</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Своя длительность (минуты)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Функция голосовой клавиши</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Микрофон</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Голосовой ввод</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Голосовой перевод</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Голосовой поиск</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Включён режим микрофона</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Включён режим поиска</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Настройки ввода</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Распознавать с пунктуацией</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Режим совместимого ввода</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Распознавание длинной речи</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Язык ввода</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Клавиши голосового ввода</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Клавиши голосового перевода</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Клавиши голосового поиска</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Настройки перевода</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Языки перевода</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Поисковая система голосового поиска</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Телефон/e-mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>Поля не могут быть пустыми</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Введите номер телефона или e-mail</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Запомнить пароль</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>Забыли пароль</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Регистрация</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Вход выполнен</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Не удалось войти</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Код подтверждения</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Повторите пароль</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Я прочитал(а) и принимаю &lt;&lt;Политику конфиденциальности Corvane&gt;&gt; и &lt;&lt;Пользовательское соглашение Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Сначала прочитайте и примите &lt;&lt;Политику конфиденциальности Corvane&gt;&gt; и &lt;&lt;Пользовательское соглашение Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Введите код подтверждения</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Подтвердите пароль</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Пароли не совпадают</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>Не удалось получить код подтверждения</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Не удалось зарегистрироваться</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Сбросить пароль</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Пароль изменён</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>Не удалось изменить пароль</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Отправить код</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>с до повторной отправки</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Пожалуйста, войдите</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Местоположение</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Введите вопрос</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Создаётся…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Пополнить</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Действует до</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>Не удалось получить данные пользователя</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Командные слова</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Ключевые слова</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Добавить команду</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>Удалить голосовую команду «%1»?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>После удаления голосовая команда перестанет работать!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Не удалось удалить</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Нажмите здесь, чтобы добавить ключевые слова, по одному в строке</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Не удалось создать</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Добавить свою команду</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Веб-страница</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Фиксированный текст</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Заполните все поля перед созданием</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>Такое командное слово уже есть</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>Файл или папка не найдены</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Заполните форму заново перед созданием</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Не удалось изменить</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Введите путь к аудиофайлу…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Папка сохранения по умолчанию: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документы</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Начать расшифровку</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Идёт расшифровка, подождите...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Постоянно</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Дыхание</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Бегущий огонь</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Яркость</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Низкая</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Высокая</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Темнее</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Ярче</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Рука</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Левша</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Правша</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Напоминание о низком заряде</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Моё устройство</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Удалять записи автоматически</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Индикатор выключен при записи</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Заряд:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Прошивка:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Версия </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Серийный номер:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>Об ИИ-мыши</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Версия программы:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Версия прошивки:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Примечания к версии </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Голосовой ввод, голосовой перевод, голосовой поиск, голосовое управление
Перевод слов, распознавание снимков экрана, перевод снимков экрана, макросы клавиш</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Обновить устройство</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Обновить приёмник</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Отменить обновление</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Если после обновления устройство не подключается, выполните сопряжение снова</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>У вас последняя версия</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Ошибка обновления</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Обновление отменено</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>Идёт обновление прошивки. Выход прервёт его.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Продолжить обновление</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Отменить и выйти</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>公网</source>
        <translation>Интернет</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>一键检测</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Сбросить драйвер</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Устройство и окружение работают нормально. При проблемах обратитесь в службу поддержки</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>С устройством или окружением что-то не так. При проблемах обратитесь в службу поддержки</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Расшифровать аудио</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Расшифровки</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Мой словарь</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>История пополнений</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Псевдоним</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Сменить пароль</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Доступно минут:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Введите текущий пароль</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Введите новый пароль</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Повторите новый пароль</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Вход по коду</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Вход по паролю</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Номер телефона</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Введите номер телефона</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Получить код</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Введите код</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Сканируйте</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>для входа</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>Открыть ИИ-творчество</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Сбросить функции клавиш</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>Не удаётся сохранить настройки; изменения будут потеряны при следующем запуске</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>Не удаётся записать: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>База голосовых команд занята другой программой; команды будут сохранены позже</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>База голосовых команд была повреждена и создана заново</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>Старый файл сохранён как: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Распознавание…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>Нет доступной домашней папки: настройки и журналы не будут сохранены</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>Окно ИИ нельзя открыть при запуске от имени root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>Не удалось запомнить пароль: служба связки ключей недоступна</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>Не удалось запомнить пароль: связка ключей его не сохранила</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>Не удалось загрузить прошивку; попытка повторится при следующей проверке</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>Нет голоса для этого языка; текст прочитан голосом по умолчанию</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>Не удалось скопировать исходный файл настроек; нечитаемые настройки пока остаются в: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>База данных голосовых команд недоступна; команды сохраняются только на время этого сеанса</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>Файл базы данных оставлен без изменений. Причина: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>Не удалось загрузить функции кнопок; они будут запрошены снова при следующем подключении устройства или открытии этой страницы</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>Текст не распознан</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>Об указке</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>S/N: %1         Версия программы: %2         Версия прошивки: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Обновление завершено</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Добавить команду</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Действует до: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Назад</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>Страница ИИ-чата этого устройства пока недоступна. Ваши вопросы сохраняются здесь; проверьте подключение к сети.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>Страница ИИ-чата этого устройства пока недоступна. Ваши вопросы сохраняются здесь; подключите устройство и проверьте подключение к сети.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>ИИ-помощник</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>ИИ-письмо</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Не удалось записать звук</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Не удалось распознать речь</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>Файл прошивки недействителен; эта версия больше не будет загружаться</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>Программа уже запущена в другом вашем сеансе. Пользуйтесь ею там или сначала закройте её там.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>Программа уже запущена, но не отвечает. Завершите её, а затем запустите снова.</translation>
    </message>
</context>
</TS>
