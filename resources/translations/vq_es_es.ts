<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Error del sistema</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Detectar automáticamente</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Comprueba la conexión de red</translation>
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
        <translation>Ajustes del ratón</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Ajustes inteligentes</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Personalización</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Ajustes del puntero</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Abrir ventana principal</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Guía de inicio</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>No se detecta ningún dispositivo</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Conecte el receptor a un puerto USB del ordenador o conecte el ratón por Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Los ajustes se abrirán solos cuando el dispositivo esté conectado</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Batería baja, cárguela</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Error al aplicar el ajuste</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Estos elementos determinan qué funciones se pueden usar</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Acceso al dispositivo</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Leer y escribir los nodos HID del receptor para conectar el dispositivo y recibir sus teclas y su voz</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Instale la regla udev incluida con el programa y vuelva a conectar el receptor:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Accesibilidad</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>El bus de accesibilidad del escritorio (AT-SPI), para escribir el texto reconocido directamente en los campos</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Instale at-spi2-core, active la accesibilidad en los ajustes del sistema y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>Sesión X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Los atajos globales, las teclas simuladas, la supervisión de entrada y las capturas necesitan una sesión X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Elija la sesión X11 (Xorg) en la pantalla de inicio de sesión</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Limitado</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>En una sesión Wayland, las teclas simuladas, los atajos globales, la supervisión de entrada y las capturas solo funcionan con ventanas XWayland, no con ventanas Wayland nativas; para todas las funciones, elija la sesión X11 (Xorg) en la pantalla de inicio de sesión</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Concedido</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>No concedido</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>No se encontró ningún receptor</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Copiar comando</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Ajustes auxiliares</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>No se pudieron leer algunos ajustes y se restablecieron a sus valores predeterminados</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>El archivo de ajustes original se guardó como: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Error al grabar, comprueba el micrófono</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Pulsado demasiado rápido</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Hable, por favor...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>No se ha oído nada. Pulse la tecla de voz y vuelva a hablar</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Cambiado al modo de escritura</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Cambiado al modo de traducción</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>No se pudo conectar con el servidor, compruebe la red</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>No se pudo leer el archivo de audio</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>No se puede reproducir el audio de la respuesta</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>No se pudo pegar</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>La traducción falló</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>No se puede leer en voz alta: no hay motor de voz ni dispositivo de salida de sonido</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>No se puede reproducir el audio</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>No se puede abrir el navegador</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>No se obtuvo texto seleccionado</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Error al copiar</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Texto reconocido</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Traducir selección</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Traducir captura</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Otro programa usa el atajo de captura</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Error en la captura de pantalla</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>No se puede abrir la ventana de IA</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Dispositivo no conectado</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>No se pudo abrir</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>Descargado %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Exportación completada</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Error de descarga, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Error de exportación, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请切换模式结束画笔</source>
        <translation>Esc está ocupado por otro programa; cambia de modo para salir del lápiz</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>No se puede leer la pantalla</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Láser físico</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Resaltar</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Punto de luz digital</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Cambiado al modo de proyección</translation>
    </message>
</context>
</TS>
